// The text listing context: line formats of every item kind, the UCS choice for points and
// vectors, replaceable number formats, and the item limit behind CheckCounter.
#include <gtest/gtest.h>

#include "Ge/GeGbl.h"
#include "KyPrintInfoContext.h"
#include "KySystemServices.h"

namespace
{
std::vector<std::string> lines(const CKyTextPrintInfoContext& context)
{
  std::vector<std::string> out;
  for (const QString& line : context.lines())
    out.push_back(line.toStdString());
  return out;
}

// A host context that shows distances in its own units through the protected formatter.
class MillimetreContext : public CKyTextPrintInfoContext
{
protected:
  QString FormatDistance(double value) const override { return QString::number(value * 1000.0, 'f', 1) + " mm"; }
};
}

TEST(FrameworkPrintInfo, FormatsEachItemKindAsLabelledLine)
{
  CKyTextPrintInfoContext context;
  context.PrintString("Layer", "0");
  context.PrintString("LINE");
  context.PrintPoint("from point", OdGePoint3d(1, 2.5, -3));
  context.PrintPoint("center", OdGePoint2d(0.125, 4));
  context.PrintDist("Length", 2.0 / 3.0);
  context.PrintAngle("Angle in XY Plane", OdaPI / 2);
  context.PrintArea("Area", 12.5);
  context.PrintWidth("Global width", 0.5);
  context.PrintScale("Linetype scale", 2);
  context.PrintInt("Vertices", 12);
  context.PrintBool("Closed", true);
  context.PrintBool("Annotative", false);
  context.PrintVector3D("Normal", OdGeVector3d(0, 0, 1));

  const std::vector<std::string> expected = {
    "Layer: 0",
    "LINE",
    "from point: X=1.0000  Y=2.5000  Z=-3.0000",
    "center: X=0.1250  Y=4.0000",
    "Length: 0.6667",
    "Angle in XY Plane: 90.0000",
    "Area: 12.5000",
    "Global width: 0.5000",
    "Linetype scale: 2.0000",
    "Vertices: 12",
    "Closed: Yes",
    "Annotative: No",
    "Normal: X=0.0000  Y=0.0000  Z=1.0000",
  };
  EXPECT_EQ(lines(context), expected);
}

TEST(FrameworkPrintInfo, PointsAndVectorsFollowTheWorkingPlaneOnlyInUcsMode)
{
  // UCS with origin (10, 0, 0) and axes turned 90 degrees about Z: world->UCS is the inverse.
  OdGeMatrix3d ucsToWorld;
  ucsToWorld.setCoordSystem(OdGePoint3d(10, 0, 0), OdGeVector3d(0, 1, 0), OdGeVector3d(-1, 0, 0),
                            OdGeVector3d(0, 0, 1));
  const OdGeMatrix3d worldToUcs = ucsToWorld.inverse();

  CKyTextPrintInfoContext context;
  context.SetWorldToWorkingPlane(worldToUcs);
  context.PrintPoint("p", OdGePoint3d(10, 5, 1));
  context.SetPrintInUCS(true);
  EXPECT_TRUE(context.IsPrintInUCS());
  context.PrintPoint("p", OdGePoint3d(10, 5, 1));
  context.PrintPoint("q", OdGePoint2d(10, 5));
  context.PrintVector3D("v", OdGeVector3d(0, 2, 0));

  const std::vector<std::string> expected = {
    "p: X=10.0000  Y=5.0000  Z=1.0000",
    "p: X=5.0000  Y=0.0000  Z=1.0000",
    "q: X=5.0000  Y=0.0000",
    "v: X=2.0000  Y=0.0000  Z=0.0000",
  };
  EXPECT_EQ(lines(context), expected);
}

TEST(FrameworkPrintInfo, NumberFormatsCanBeReplaced)
{
  CKyTextPrintInfoContext context;
  context.SetNumberFormatter([](double v) { return QString::number(v, 'f', 1); });
  context.SetAngleFormatter([](double radians) { return QString::number(radians, 'f', 3) + "r"; });
  context.PrintDist("d", 1.24);
  context.PrintArea("a", 3);
  context.PrintPoint("p", OdGePoint3d(1, 2, 3));
  context.PrintAngle("t", 1);
  context.PrintScale("s", 1); // scales keep their own format
  context.SetNumberFormatter(nullptr);
  context.PrintDist("d", 1.24);

  MillimetreContext mm;
  mm.PrintWidth("w", 0.0025);
  mm.PrintPoint("p", OdGePoint2d(0.001, 0));

  const std::vector<std::string> expected = {"d: 1.2", "a: 3.0", "p: X=1.0  Y=2.0  Z=3.0", "t: 1.000r", "s: 1.0000",
                                             "d: 1.2400"};
  EXPECT_EQ(lines(context), expected);
  const std::vector<std::string> expectedMm = {"w: 2.5 mm", "p: X=1.0 mm  Y=0.0 mm"};
  EXPECT_EQ(lines(mm), expectedMm);
}

TEST(FrameworkPrintInfo, CheckCounterStopsOnceTheLimitIsReached)
{
  struct Case
  {
    int limit;
    std::vector<bool> answers;
  };
  const Case cases[] = {
    {-1, {true, true, true, true}},
    {0, {false, false}},
    {1, {false, false}},
    {3, {true, true, false, false}},
  };
  for (const Case& c : cases)
  {
    CKyTextPrintInfoContext context;
    context.SetItemLimit(c.limit);
    std::vector<bool> answers;
    for (std::size_t i = 0; i < c.answers.size(); ++i)
      answers.push_back(context.CheckCounter());
    EXPECT_EQ(answers, c.answers) << "limit " << c.limit;
  }

  CKyTextPrintInfoContext context;
  context.SetItemLimit(1);
  context.PrintString("x");
  EXPECT_FALSE(context.CheckCounter());
  context.Clear();
  EXPECT_TRUE(context.lines().isEmpty());
  EXPECT_EQ(context.ItemCount(), 0);
}

namespace
{
class RecordingServices : public CKySystemServices
{
public:
  void PrintToCommandLine(const CKyString& text) override { printed.push_back(text.toQString().toStdString()); }
  std::vector<std::string> printed;
};
}

TEST(FrameworkSystemServices, InstallingReturnsPreviousAndNullRestoresDefault)
{
  CKySystemServices* original = GetKySystemServices();
  ASSERT_NE(original, nullptr);
  RecordingServices recording;
  EXPECT_EQ(SetKySystemServices(&recording), original);
  EXPECT_EQ(GetKySystemServices(), &recording);

  OdArray<OdDbObjectId> ids;
  ids.append(OdDbObjectId());
  ids.append(OdDbObjectId());
  GetKySystemServices()->ShowAnnotationScalesDialog(ids);
  ASSERT_EQ(recording.printed.size(), 1u);
  EXPECT_NE(recording.printed[0].find('2'), std::string::npos);

  EXPECT_EQ(SetKySystemServices(nullptr), &recording);
  EXPECT_NE(GetKySystemServices(), &recording);
  EXPECT_NE(GetKySystemServices(), nullptr);
  SetKySystemServices(original);
}
