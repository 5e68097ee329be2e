#pragma once

#include <QString>

class QXmlStreamReader;

/*  Small helpers shared by the XML readers and writers of the project file: the number format
    of the files and the conversion of number attributes with the reader's error handling.

    Reader errors are raised on the QXmlStreamReader itself (raiseError), so that the read stops
    at the first bad value and the caller finds the text in errorString(). Texts are translated
    in the context "XMLHelpers".
*/
namespace XMLHelpers {

/*! The shortest text in the C locale that reads back (QString::toDouble) to exactly the same
    double, in general notation: "0.175", "1e-05", "20", "0.0001". Non-finite values give
    "inf", "-inf" and "nan". */
QString formatDouble(double value);

/*! Converts the attribute `name` of the current start element to a double (C locale) and
    stores it in value. A missing attribute leaves value unchanged. A text that does not convert
    raises the reader error "Invalid value for attribute '%1'." and sets value to 0. Once the
    reader is in error nothing is converted any more. Returns true when a value was stored. */
bool readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value);

/*! As readDoubleAttribute() for a decimal integer. */
bool readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value);

/*! The text of the error "Invalid value for attribute '%1'.". */
QString invalidAttributeText(const QString &name);

} // namespace XMLHelpers
