#pragma once

#include "export/picture_export.h"

namespace kirvolt {

// The export dialog's choices as the user last confirmed them; the defaults before that.
PictureOptions loadPictureOptions();
void savePictureOptions(const PictureOptions& options);

}  // namespace kirvolt
