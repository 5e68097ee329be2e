#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

/*  A small writer of JSON text for the batch front end. Doubles are written with the shortest
    text that reads back to the identical value; JSON has no non-finite numbers, so infinities
    and NaN are written as the strings "inf", "-inf" and "nan".

    Values are composed as JSON text fragments: the static functions turn one value into its
    text, JsonObject collects members and prints them with indentation.
*/
class JsonWriter
{
public:
    static QString string(const QString &text);
    static QString number(double value);
    static QString number(int value);
    static QString boolean(bool value);
    static QString array(const std::vector<double> &values);
    static QString array(const QStringList &texts);
    /*! Pairs as arrays [first, last]. */
    static QString pairs(const std::vector<std::pair<unsigned int, unsigned int>> &values);
    /*! Already formatted elements, each on its own line at the given indentation. */
    static QString arrayOfFragments(const QStringList &fragments, int indent);
};

/*! An ordered JSON object of already formatted member values. */
class JsonObject
{
public:
    void add(const QString &key, const QString &jsonText) { m_members.push_back({key, jsonText}); }
    /*! The object with one member per line, indented by indent blanks. */
    QString toString(int indent = 0) const;

private:
    std::vector<std::pair<QString, QString>> m_members;
};
