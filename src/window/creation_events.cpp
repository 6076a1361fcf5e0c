#include "window/form_charac.h"

namespace window {

void FormCharac::AlfaB() {}
void FormCharac::Moniker() {}
void FormCharac::Populate() {}
void FormCharac::Timer1Tick() {}

} // namespace window
