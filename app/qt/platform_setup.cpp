#include "app/qt/platform_setup.h"

#include <QByteArray>
#include <QtGlobal>

namespace fm::qt {

void preparePlatform() {
  // On an X server, Qt hands repainted areas over in shared memory, and before it paints over
  // an area the server may still be reading it waits for a round trip to the server: a second
  // wake-up in every frame of a running race, as the marker is painted over its last place.
  // Sent with the request instead, the few pixels a frame changes cost less than that wait
  // (under Xvfb, a running race: 58.8 wake-ups a second instead of 128, and 0.35 × the CPU of
  // a bare 1 ms timer instead of 0.41 ×). Other platforms do not read it; a choice made in the
  // environment stands.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}

}  // namespace fm::qt
