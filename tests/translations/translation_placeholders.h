#pragma once

#include <QByteArray>
#include <QStringList>

namespace kirvolt::testing {

// Every translation in a .ts file's XML that does not keep the placeholders of its source
// (%1 ... %99, %n, and their %L forms), each as "context: source". An empty translation is
// no fault here; a text that is no .ts file is one fault.
QStringList placeholderFaults(const QByteArray& tsXml);

}  // namespace kirvolt::testing
