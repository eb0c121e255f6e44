#pragma once

#include <QString>

#include <string_view>

namespace kirvolt {

// What a click in the circuit does in a drawing mode, as the status bar says it while the
// mode is in force; "Ready" for a mode in which a click does nothing the user chose. After an
// analysis a click shows an equation of the method that made it (meshes, loops: the --method name).
QString modeHint(int mode, std::string_view method = "nodal");

}  // namespace kirvolt
