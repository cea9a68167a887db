// Test entry point: a Qt core application (translations and resources need one) and GoogleTest.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
  // The DXF writer compares every object with its state at the read, not only those it was told
  // changed, and fails on any that changed unseen (kyprops started by the tests inherits it).
  qputenv("KY_DXF_CHECK_UNTRACKED", "1");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
