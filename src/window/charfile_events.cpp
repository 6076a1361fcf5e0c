#include "window/form_charac.h"

namespace window {

void FormCharac::SaCh() {}
void FormCharac::SaFiC() {}
void FormCharac::Timer2Tick() {}

} // namespace window
