#include "document/Project.h"

#include "persistence/ProjectFile.h"

#include <QtGlobal>

namespace {

// Stand-in returned by the const accessors when no project is open (a caller's error, caught
// by the assertion in debug builds) so that a release build reads an empty document instead of
// dereferencing null.
const Project::Document &emptyDocument()
{
    static const Project::Document document;
    return document;
}

} // namespace

Project::Project(QObject *parent)
    : QObject(parent)
{
}

Project::~Project() = default;

void Project::createNew()
{
    m_document = std::make_unique<Document>();
    m_fileName.clear();
}

void Project::close()
{
    m_document.reset();
}

Project::Document &Project::ensureDocument()
{
    if (!m_document)
        m_document = std::make_unique<Document>();
    return *m_document;
}

const InputData &Project::inputData() const
{
    Q_ASSERT(m_document);
    return m_document ? m_document->m_inputData : emptyDocument().m_inputData;
}

InputData &Project::inputData()
{
    Q_ASSERT(m_document);
    return ensureDocument().m_inputData;
}

void Project::setInputData(const InputData &input)
{
    ensureDocument().m_inputData = input;
}

const ProjectInformation &Project::projectInformation() const
{
    Q_ASSERT(m_document);
    return m_document ? m_document->m_projectInformation : emptyDocument().m_projectInformation;
}

ProjectInformation &Project::projectInformation()
{
    Q_ASSERT(m_document);
    return ensureDocument().m_projectInformation;
}

void Project::setProjectInformation(const ProjectInformation &info)
{
    ensureDocument().m_projectInformation = info;
}

const CalculationOutcome &Project::outcome() const
{
    Q_ASSERT(m_document);
    return m_document ? m_document->m_outcome : emptyDocument().m_outcome;
}

bool Project::load(const QString &fileName, QString *message)
{
    Document &doc = ensureDocument();
    const bool ok = ProjectFile::load(fileName, doc.m_inputData, doc.m_projectInformation, message);
    // An input that read with findings is not calculable until it is repaired.
    if (doc.m_inputData.status() != InputData::S_Valid)
        doc.m_outcome = CalculationOutcome();
    if (ok)
        recalculate();
    return ok;
}

bool Project::save(const QString &fileName, QString *message) const
{
    if (!m_document) {
        if (message)
            *message = tr("No project to save.");
        return false;
    }
    return ProjectFile::save(fileName, m_document->m_inputData, m_document->m_projectInformation,
                             message);
}

CalculationOptions Project::calculationOptions() const
{
    CalculationOptions options;
    if (m_document)
        options.heatFlowDirection = m_document->m_projectInformation.m_heatFlowDirection;
    options.moistureDependentLambda = m_moistureDependentLambda;
    return options;
}

void Project::recalculate()
{
    if (!m_document)
        return;
    m_document->m_inputData.validate();
    m_document->m_outcome = Calculation::calculate(m_document->m_inputData, calculationOptions());
}

void Project::setModified(int modType)
{
    m_modified = true;
    if (modType == MT_Calculation)
        recalculate();
    emit modified(modType);
}
