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
    to a finite number ("inf" and "nan" do not) raises the reader error invalidAttributeText(name,
   line, layer) at the reader's current line and sets value to 0. layer is the 1-based number of the
   construction layer the element belongs to, 0 outside the construction. Once the reader is in
   error nothing is converted any more. Returns true when a value was stored. */
bool readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value,
                         int layer = 0);

/*! As readDoubleAttribute() for a decimal integer. */
bool readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value, int layer = 0);

/*! The text of the error "Invalid value for attribute '%1'.". */
QString invalidAttributeText(const QString &name);

/*! The same error saying where: "Invalid value for attribute '%1' (line %2)." or, inside the
    construction (layer > 0, 1-based), "Invalid value for attribute '%1' of layer %2 (line %3).".
    A decimal comma or a typing error in a file edited by hand is then found at once. */
QString invalidAttributeText(const QString &name, qint64 line, int layer);

} // namespace XMLHelpers
