#pragma once

#include <QString>

namespace kirvolt {

// What a click in the circuit does in a drawing mode, as the status bar says it while the
// mode is in force; "Ready" for a mode in which a click does nothing the user chose.
QString modeHint(int mode);

}  // namespace kirvolt
