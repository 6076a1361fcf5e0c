// The teleport error roller: the frame shown by the "T" box.
#include "window/form_charac.h"

#include <QFrame>

namespace window {

void FormCharac::showTeleportFrame(bool checked) { FrameTele->setVisible(checked); }

} // namespace window
