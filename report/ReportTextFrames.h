#pragma once

#include "calculation/CalculationResults.h"

#include "report/ReportFrameBase.h"

/*  The frames of the report that are mostly text: header, footer, project information, the
    summary of results and the Glaser results with their verdicts, and the final remarks. Every
    text the user typed is printed as plain text, never as markup.
*/

/*! Program name and date, optionally the user logo (frame 0). */
class HeaderFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(HeaderFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Separator line, footer text and page number (frame 1). The report tells it the page to
    number and the number of pages before each paint. */
class FooterFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(FooterFrame)

public:
    using ReportFrameBase::ReportFrameBase;
    void setPage(int page, int pageCount)
    {
        m_page = page;
        m_pageCount = pageCount;
    }
    void print(QPainter *painter, const QRectF &rect) override;

protected:
    void build(QPaintDevice *device, double width) override;

private:
    QString pageText(int page) const;

    int m_page = 1;
    int m_pageCount = 1;
    QtExt::Table *m_table = nullptr;
};

/*! Project, construction, user, company, the description and optionally the logo (frame 2). */
class ReportFrameProjectInfo : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectInfo)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The summary of results with every verdict of the assessment (frame 11). */
class ReportFrameConclusions : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrameConclusions)

public:
    using ReportFrameBase::ReportFrameBase;

    /*! Said instead of the U-value when the limits of a construction with bridged layers lie
        outside the range of validity of ISO 6946 (HTML). */
    static QString limitsOutOfRangeText(const InhomogeneousResistance &inh);
    /*! The note that the condensation assessments run on the field section. */
    static QString fieldSectionNote();

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The results of the Glaser scheme of DIN 4108-3 (frame 12). */
class GlaserFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(GlaserFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The project's final remarks (frame 13). */
class DisclaimerFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(DisclaimerFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};
