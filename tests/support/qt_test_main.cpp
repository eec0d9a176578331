#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Also when run by hand or listed by the test discovery: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
