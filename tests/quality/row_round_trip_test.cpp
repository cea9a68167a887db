// Every editable row of every object of the sample drawing takes a new value of its own kind and
// then shows it: a number moved by a little, a text with a letter more, another entry of a list,
// another record of the same table, another colour, lineweight or transparency. Where the sweep
// checks that no value does harm, this checks that ordinary edits do what the user asked.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iostream>
#include <map>
#include <set>

#include "DbSymbolTable.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"
#include "KyPropertyBase.h"
#include "KySampleFixture.h"
#include "KySetterBattery.h"
#include "OdError.h"
#include "SampleDrawing.h"

namespace
{
// Rows whose shown value is not what was set, by design; each says why.
const std::map<std::string, std::string> kShownDifferently = {
  {"OdDbAttributeDefinition Tag", "tags are stored in upper case"},
  {"OdDbPolyline Vertex", "the element selector: a choice moves the palette's per-element context, and the row "
                          "always shows the element of the context it is read with"},
  {"OdDbTrace Vertex", "the corner selector, as the polyline's vertex selector"},
  {"OdDbSolid Vertex", "the corner selector, as the polyline's vertex selector"},
  {"OdDbFace Vertex", "the corner selector, as the polyline's vertex selector"},
  {"OdDbXline Second point X", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbXline Second point Y", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbXline Second point Z", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbRay Second point X", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbRay Second point Y", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbRay Second point Z", "the second point turns the direction and stays one unit from the base point"},
  {"OdDbSpline Control point", "the control-point selector, as the polyline's vertex selector"},
  {"OdDbSpline Fit point", "the fit-point selector, as the polyline's vertex selector"},
  {"OdDb2dPolyline Vertex", "the same element selector, over the placed vertices"},
  {"OdDb3dPolyline Vertex", "the same element selector, over the placed vertices"},
  {"OdDbRotatedDimension Decimal separator", "one character only: the changed text is two, refused with its message"},
  {"OdDbAlignedDimension Decimal separator", "one character only: the changed text is two, refused with its message"},
  {"OdDbRotatedDimension Text override", "a constraint dimension's text belongs to its constraint and is not written"},
};

// Rows whose setters write nothing and answer 5100 whatever they are given, by design (the
// scales are edited through the group action; the sheet width has no setter branch).
const std::set<std::string> kWritesNothing = {"OdDbText Annotative Scale", "OdDbMText Annotative Scale",
                                              "OdDbMText Sheet defined width", "OdDbRotatedDimension Annotative Scale",
                                              "OdDbAlignedDimension Annotative Scale",
                                              "OdDbAttributeDefinition Annotative Scale",
                                              "OdDbBlockReference Annotative Scale"};

// Angle rows whose setters take the framework's double conversion of any value, by design.
const std::set<std::string> kTakesOtherKinds = {"OdDbArc Start Angle", "OdDbArc End Angle", "OdDbText Angle",
                                                "OdDbText Rotation", "OdDbAttributeDefinition Rotation"};

// Another record of the table that holds `id` (not dependent on an external reference); null
// when the table has no other.
OdDbObjectId anotherRecord(const OdDbObjectId& id)
{
  OdDbObjectPtr record = id.openObject();
  if (record.isNull())
    return OdDbObjectId();
  OdDbSymbolTablePtr table = OdDbSymbolTable::cast(record->ownerId().openObject().get());
  if (table.isNull())
    return OdDbObjectId();
  for (OdDbSymbolTableIteratorPtr it = table->newIterator(); !it->done(); it->step())
  {
    if (it->getRecordId() != id && !it->getRecord()->isDependent())
      return it->getRecordId();
  }
  return OdDbObjectId();
}

// The new value for a row showing `shown`, and the tag chosen when it is a list; empty when the
// row's kind offers no other value.
CKyVariant anotherValue(const CKyVariant& shown, CKyVariant& chosenTag)
{
  switch (shown.GetType())
  {
  case CKyVariant::kDouble: return CKyVariant(shown.GetDouble() + 0.75, shown.IsUnitBearing());
  case CKyVariant::kString:
  {
    // Numbers shown as text (areas in the drawing's units) are typed as numbers.
    bool number = false;
    const double v = shown.GetString().toQString().toDouble(&number);
    return CKyVariant(CKyString(number ? QString::number(v + 0.75, 'f', 4) : shown.GetString().toQString() + "q"));
  }
  case CKyVariant::kInt32: return CKyVariant(shown.GetInt32() == 25 ? 50 : 25); // lineweights
  case CKyVariant::kColor:
  {
    OdCmColor color;
    color.setColorIndex(shown.GetColor().colorIndex() == 3 ? 5 : 3);
    return CKyVariant(color);
  }
  case CKyVariant::kTransparency:
    return CKyVariant(OdCmTransparency(static_cast<OdUInt8>(shown.GetTransparency().alpha() == 128 ? 64 : 128)));
  case CKyVariant::kObjectId:
  {
    const OdDbObjectId other = anotherRecord(shown.GetId());
    return other.isNull() ? CKyVariant() : CKyVariant(other);
  }
  case CKyVariant::kCollection:
  {
    const CKyVariantCollection& list = shown.GetCollection();
    for (int i = 0; i < list.GetCount(); ++i)
    {
      if (i != list.GetCurrentIndex())
      {
        chosenTag = list.GetAt(i).GetTag();
        return KyListElement(chosenTag);
      }
    }
    return CKyVariant();
  }
  default: return CKyVariant();
  }
}

bool isAngle(const CKyPropertyDescription& row)
{
  const auto& guid = row.GetType().GetGUID();
  return guid == CKyPropertyType::kAngleGUID || guid == CKyPropertyType::kOrientGUID;
}

// What the row shows after the edit compared with what was sent; empty when they agree. An angle
// may be shown as the same direction a whole turn apart (an arc's angle past a full circle).
std::string mismatch(const CKyVariant& sent, const CKyVariant& chosenTag, const CKyVariant& after, bool angle)
{
  if (sent.GetType() == CKyVariant::kCollectionElement)
  {
    const CKyVariantCollectionElement* current =
      after.GetType() == CKyVariant::kCollection ? after.GetCollection().GetCurrent() : nullptr;
    return current && current->GetTag() == chosenTag ? std::string() : "another list entry is selected";
  }
  if (sent.GetType() == CKyVariant::kDouble && after.GetType() == CKyVariant::kDouble)
  {
    const double a = sent.GetDouble(), b = after.GetDouble();
    const double turns = angle ? std::round((a - b) / (2.0 * M_PI)) : 0.0;
    if (std::fabs(a - b - turns * 2.0 * M_PI) > 1e-9 * std::max(1.0, std::fabs(a)))
      return "shows " + std::to_string(b) + " after " + std::to_string(a);
    return sent.IsUnitBearing() == after.IsUnitBearing() ? std::string() : "the unit flag changed";
  }
  if (sent.GetType() == CKyVariant::kString && after.GetType() == CKyVariant::kString)
  {
    bool number = false, shownNumber = false;
    const double a = sent.GetString().toQString().toDouble(&number);
    const double b = after.GetString().toQString().toDouble(&shownNumber);
    if (number && shownNumber) // shown again at the drawing's precision
      return std::fabs(a - b) <= 1e-4 * std::max(1.0, std::fabs(a)) ? std::string() : "shows another number";
  }
  return sent == after ? std::string() : "shows another value";
}

// Visits every row the palette shows for every object of the drawing, opened in the mode, with
// the row's name as "<class> <row>".
void forEachRow(const KySampleDrawing& drawing, OdDb::OpenMode mode,
                const std::function<void(const OdDbObject*, const CKyPropertyDescription&, const std::string&)>& visit)
{
  for (const OdDbObjectId& id : drawing.paletteObjects())
  {
    // Fitting a heavy polyline erases its generated vertices.
    if (id.isErased())
      continue;
    OdDbObjectPtr object = id.safeOpenObject(mode);
    const std::string kind = KyClassName(object.get());
    KyPaletteRows rows(object.get());
    for (int r = 0; r < rows.container().GetCount(); ++r)
    {
      const CKyPropertyDescription& row = *rows.container().GetAt(r);
      visit(object.get(), row, kind + " " + row.GetName().toQString().toStdString());
    }
  }
}

std::string lines(const std::set<std::string>& failures)
{
  std::string out;
  for (const std::string& f : failures)
    out += f + "\n";
  return out;
}
} // namespace

TEST(RowRoundTrip, EveryEditableRowShowsTheNewValueItWasGiven)
{
  KyModuleSession session;
  KySampleDrawing drawing;
  const KyContext palette{"none", CKyVariant(), false};
  std::set<std::string> checked, failures;
  forEachRow(drawing, OdDb::kForWrite, [&](const OdDbObject* object, const CKyPropertyDescription& row,
                                           const std::string& name) {
    if (!row.GetSetMethod() || row.IsReadOnly(object) || kShownDifferently.count(name) || kWritesNothing.count(name) ||
        row.GetCategory().toQString() == "MATCHPROP")
      return;
    CKyVariant chosenTag;
    const CKyVariant sent = anotherValue(row.GetValue(object, palette.value), chosenTag);
    if (sent.IsEmpty())
      return;
    std::vector<std::string> problems;
    const KySetOutcome outcome = KyCallSetter(object, row, sent, palette, problems);
    for (const std::string& problem : problems)
      failures.insert(name + ": " + problem);
    if (outcome != KySetOutcome::kAccepted)
    {
      failures.insert(name + ": an ordinary new value was not accepted");
      return;
    }
    const std::string wrong = mismatch(sent, chosenTag, row.GetValue(object, palette.value), isAngle(row));
    if (!wrong.empty())
      failures.insert(name + ": " + wrong);
    checked.insert(name);

    // A value of another kind (a number for a text row, a text for any other) is refused.
    const CKyVariant otherKind = sent.GetType() == CKyVariant::kString ? CKyVariant(2.5, true) : CKyVariant("2.5");
    if (!kTakesOtherKinds.count(name) &&
        KyCallSetter(object, row, otherKind, palette, problems) != KySetOutcome::kRefused)
      failures.insert(name + ": a value of another kind was not refused");
  });
  EXPECT_TRUE(failures.empty()) << lines(failures);
  EXPECT_GT(checked.size(), 60u);
  std::cout << "[ rows     ] " << checked.size() << " editable rows edited and read back\n";
}

// The same edits on the sample as its file reads back: saving then sees every change (the writer
// compares with their state at the read only the objects opened for a change, and under the
// check it compares them all and names any that changed unseen), and the saved drawing reads.
TEST(RowRoundTrip, SavingSeesEveryEditOfADrawingReadFromItsFile)
{
  KyModuleSession session;
  QByteArray file;
  QString error;
  {
    KyTestDrawing sample;
    KyBuildSampleDrawing(sample.db());
    ASSERT_TRUE(KyDxfWriter::write(sample.db(), nullptr, file, error)) << error.toStdString();
  }
  KyTestDrawing drawing;
  KyDxfReader::Report report;
  KyDxfReader::Options read;
  read.keepSource = true;
  ASSERT_TRUE(KyDxfReader::readFromBytes(file, QStringLiteral("sample.dxf"), drawing.db(), report, error, read))
    << error.toStdString();
  const KyContext palette{"none", CKyVariant(), false};
  int edited = 0;
  const OdUInt64 end = static_cast<OdUInt64>(drawing.db()->handseed());
  for (OdUInt64 h = 1; h < end; ++h)
  {
    OdDbObjectPtr object = drawing.db()->getOdDbObjectId(OdDbHandle(h)).openObject(OdDb::kForWrite);
    if (object.isNull() || !CKyPropertyPEClassFactory::FindExtension(object.get()))
      continue;
    KyPaletteRows rows(object.get());
    for (int r = 0; r < rows.container().GetCount(); ++r)
    {
      const CKyPropertyDescription& row = *rows.container().GetAt(r);
      const std::string name = KyClassName(object.get()) + " " + row.GetName().toQString().toStdString();
      // Values a file cannot keep, which the writer refuses by name: a plot style name with a
      // letter more names no style of the drawing.
      const QString key = row.GetName().toQString();
      if (!row.GetSetMethod() || row.IsReadOnly(object.get()) || kWritesNothing.count(name) ||
          row.GetCategory().toQString() == "MATCHPROP" || key == "PrintStyle")
        continue;
      CKyVariant chosenTag;
      const CKyVariant sent = anotherValue(row.GetValue(object.get(), palette.value), chosenTag);
      std::vector<std::string> problems;
      if (!sent.IsEmpty() && KyCallSetter(object.get(), row, sent, palette, problems) == KySetOutcome::kAccepted)
        ++edited;
    }
  }
  EXPECT_GT(edited, 60);
  KyDxfWriter::Options check;
  check.checkUntracked = true;
  QByteArray saved;
  ASSERT_TRUE(KyDxfWriter::write(drawing.db(), report.source.get(), saved, error, check)) << error.toStdString();
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report reread;
  EXPECT_TRUE(KyDxfReader::readFromBytes(saved, QStringLiteral("saved.dxf"), again, reread, error))
    << error.toStdString();
  EXPECT_EQ(reread.repairCount, 0);
}

// Accessors never open or upgrade objects: a setter given its object open for read only, or an
// object that is no entity at all, refuses; a getter given an object that is no entity answers
// the empty value.
TEST(RowRoundTrip, AccessorsRefuseObjectsNotOpenForWriteOrOfAnotherKind)
{
  KyModuleSession session;
  KySampleDrawing drawing;
  KyRecordingMessages messages;
  OdDbObjectPtr layer = drawing.layerId(L"0").safeOpenObject(OdDb::kForWrite);
  std::set<std::string> failures;
  int setters = 0;
  forEachRow(drawing, OdDb::kForRead, [&](const OdDbObject* object, const CKyPropertyDescription& row,
                                          const std::string& name) {
    if (!row.GetValue(layer.get(), CKyVariant()).IsEmpty())
      failures.insert(name + ": the getter answered for a layer");
    if (!row.GetSetMethod() || kWritesNothing.count(name))
      return;
    CKyVariant chosenTag;
    const CKyVariant sent = anotherValue(row.GetValue(object, CKyVariant()), chosenTag);
    if (sent.IsEmpty())
      return;
    ++setters;
    try
    {
      if (row.SetValue(object, sent, CKyVariant()) != -5001)
        failures.insert(name + ": a setter took the object open for read");
      if (row.SetValue(layer.get(), sent, CKyVariant()) != -5001)
        failures.insert(name + ": a setter took a layer");
    }
    catch (const OdError& e)
    {
      failures.insert(name + ": OdError " + std::to_string(e.code()));
    }
  });
  EXPECT_TRUE(failures.empty()) << lines(failures);
  EXPECT_GT(setters, 60);
}
