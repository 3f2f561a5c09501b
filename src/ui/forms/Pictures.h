// The program's pictures. Each is one shared object, named by its bitmap
// resource; faces show a holder's picture and comparisons are by identity.
#pragma once

#include "ui/forms/Controls.h"

namespace vantrel::pictures {

inline const Picture ButtonNormal{L"BPT"};
inline const Picture ButtonHover{L"BM"};
inline const Picture ButtonPressed{L"BO"};
inline const Picture ButtonDefault{L"BAUTO"};
inline const Picture ButtonDisabled{L"BEF"};
inline const Picture Splash{L"SPLASH"};

}  // namespace vantrel::pictures
