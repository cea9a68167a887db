// The JSON document of kyprops checked against its documented shape by a small validator, and
// the value shapes of each kind of cell.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QRegularExpression>

#include "KyPropsProcess.h"

namespace
{
// Collects every violation of the documented shape as "path: problem".
class ShapeValidator
{
public:
  QStringList problems;

  void document(const QJsonObject& root, bool listed, bool edited)
  {
    require(root, "drawing", QJsonValue::Object, "$");
    drawing(root.value("drawing").toObject());
    require(root, "objects", QJsonValue::Array, "$");
    require(root, "messages", QJsonValue::Array, "$");
    require(root, "commandLine", QJsonValue::Array, "$");
    const QJsonArray objects = root.value("objects").toArray();
    for (int i = 0; i < objects.size(); ++i)
      object(objects[i].toObject(), QStringLiteral("$.objects[%1]").arg(i), listed, edited);
  }

  void drawing(const QJsonObject& d)
  {
    const QString path = "$.drawing";
    for (const char* key : {"source", "version", "codepage"})
      require(d, key, QJsonValue::String, path);
    for (const char* key : {"units", "ucs", "kinds", "skipped"})
      require(d, key, QJsonValue::Object, path);
    for (const char* key : {"entities", "repairCount", "loadMs"})
      require(d, key, QJsonValue::Double, path);
    require(d, "repairs", QJsonValue::Array, path);
    const QJsonArray repairs = d.value("repairs").toArray();
    for (int i = 0; i < repairs.size(); ++i)
    {
      const QString at = QStringLiteral("%1.repairs[%2]").arg(path).arg(i);
      require(repairs[i].toObject(), "line", QJsonValue::Double, at);
      for (const char* key : {"problem", "action"})
        require(repairs[i].toObject(), key, QJsonValue::String, at);
    }
    for (const char* key : {"linear", "precision", "angular", "angularPrecision"})
      require(d.value("units").toObject(), key, QJsonValue::Double, path + ".units");
    for (const char* key : {"origin", "xAxis", "yAxis"})
      if (d.value("ucs").toObject().value(key).toArray().size() != 3)
        problems << path + ".ucs." + key + ": not three numbers";
  }

  void object(const QJsonObject& o, const QString& path, bool listed, bool edited)
  {
    require(o, "handle", QJsonValue::String, path);
    require(o, "class", QJsonValue::String, path);
    require(o, "rows", QJsonValue::Array, path);
    if (!QRegularExpression("^[0-9A-F]+$").match(o.value("handle").toString()).hasMatch())
      problems << path + ".handle: not upper-case hexadecimal";
    const QJsonArray rows = o.value("rows").toArray();
    for (int i = 0; i < rows.size(); ++i)
      row(rows[i].toObject(), QStringLiteral("%1.rows[%2]").arg(path).arg(i));
    if (listed)
    {
      require(o, "listing", QJsonValue::Array, path);
      const QJsonArray listing = o.value("listing").toArray();
      for (int i = 0; i < listing.size(); ++i)
        for (const char* key : {"kind", "label", "text"})
          require(listing[i].toObject(), key, QJsonValue::String, QStringLiteral("%1.listing[%2]").arg(path).arg(i));
    }
    if (edited)
    {
      require(o, "edits", QJsonValue::Array, path);
      const QJsonArray edits = o.value("edits").toArray();
      for (int i = 0; i < edits.size(); ++i)
      {
        const QString at = QStringLiteral("%1.edits[%2]").arg(path).arg(i);
        const QJsonObject e = edits[i].toObject();
        require(e, "name", QJsonValue::String, at);
        require(e, "result", QJsonValue::Double, at);
        require(e, "messages", QJsonValue::Array, at);
        const int result = e.value("result").toInt();
        if (result != 5100 && result != -5001)
          problems << at + ".result: neither 5100 nor -5001";
      }
    }
  }

  void row(const QJsonObject& r, const QString& path)
  {
    for (const char* key : {"category", "name", "key", "guid", "text"})
      require(r, key, QJsonValue::String, path);
    require(r, "type", QJsonValue::Double, path);
    require(r, "readOnly", QJsonValue::Bool, path);
    require(r, "dynamic", QJsonValue::Bool, path);
    if (!r.contains("value"))
      problems << path + ".value: missing";
    static const QList<int> tags = {0, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    if (!tags.contains(r.value("type").toInt()))
      problems << path + ".type: not a type tag";
    const QString guid = r.value("guid").toString();
    if (!guid.isEmpty() && !QRegularExpression("^k[A-Za-z]+GUID$").match(guid).hasMatch())
      problems << path + ".guid: not a GUID name";
    value(r.value("value"), path + ".value");
  }

  // null, number, string, or one of the documented objects.
  void value(const QJsonValue& v, const QString& path)
  {
    if (v.isNull() || v.isDouble() || v.isString())
      return;
    if (!v.isObject())
    {
      problems << path + ": neither null, number, string nor object";
      return;
    }
    const QJsonObject o = v.toObject();
    if (o.contains("color"))
      require(o, "color", QJsonValue::String, path);
    else if (o.contains("items"))
    {
      require(o, "current", QJsonValue::Double, path);
      require(o, "items", QJsonValue::Array, path);
      const QJsonArray items = o.value("items").toArray();
      for (int i = 0; i < items.size(); ++i)
        element(items[i].toObject(), QStringLiteral("%1.items[%2]").arg(path).arg(i));
    }
    else if (o.contains("tag"))
      element(o, path);
    else if (o.contains("handle"))
      require(o, "handle", QJsonValue::String, path);
    else if (o.contains("transparency"))
    {
      const QJsonValue t = o.value("transparency");
      if (!t.isDouble() && t.toString() != "ByLayer" && t.toString() != "ByBlock")
        problems << path + ".transparency: neither a percentage, ByLayer nor ByBlock";
    }
    else if (!o.contains("point"))
      problems << path + ": an object of no documented kind";
  }

  void element(const QJsonObject& e, const QString& path)
  {
    if (!e.contains("tag") || !e.contains("value"))
      problems << path + ": an element needs tag and value";
    value(e.value("tag"), path + ".tag");
    value(e.value("value"), path + ".value");
  }

private:
  void require(const QJsonObject& o, const char* key, QJsonValue::Type type, const QString& path)
  {
    if (!o.contains(key))
      problems << path + "." + key + ": missing";
    else if (o.value(key).type() != type)
      problems << path + "." + key + ": wrong JSON type";
  }
};
} // namespace

TEST(KypropsJson, SampleDocumentFollowsTheDocumentedShape)
{
  const KyPropsResult run = runKyprops({"--json", "--list", "--set", "Color=2"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  ASSERT_FALSE(run.json.isEmpty());
  ShapeValidator validator;
  validator.document(run.json, true, true);
  EXPECT_TRUE(validator.problems.isEmpty()) << validator.problems.join("\n").toStdString();
  EXPECT_GE(run.json.value("objects").toArray().size(), 9);
}

TEST(KypropsJson, ValidatorCatchesMisshapenDocuments)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100"});
  QJsonObject broken = run.json;
  QJsonArray objects = broken.value("objects").toArray();
  QJsonObject line = objects[0].toObject();
  QJsonArray rows = line.value("rows").toArray();
  QJsonObject first = rows[0].toObject();
  first.remove("readOnly");
  first.insert("value", QJsonArray{1, 2});
  rows[0] = first;
  line.insert("rows", rows);
  line.insert("handle", "zz");
  objects[0] = line;
  broken.insert("objects", objects);
  ShapeValidator validator;
  validator.document(broken, false, false);
  EXPECT_EQ(3, validator.problems.size()) << validator.problems.join("\n").toStdString();
}

TEST(KypropsJson, RowsCarryTypeGuidNameValueAndShownText)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100"});
  const QJsonObject startX = run.row("100", "Start X");
  EXPECT_EQ("Geometry", startX.value("category").toString());
  EXPECT_EQ("Start X", startX.value("key").toString());
  EXPECT_EQ(2, startX.value("type").toInt());
  EXPECT_EQ("kCoordinateXGUID", startX.value("guid").toString());
  EXPECT_DOUBLE_EQ(12.5, startX.value("value").toDouble());
  EXPECT_EQ("12.5000", startX.value("text").toString());
  EXPECT_FALSE(startX.value("readOnly").toBool());
  EXPECT_TRUE(run.row("100", "Delta X").value("readOnly").toBool());
  EXPECT_EQ("kOrientGUID", run.row("100", "Angle").value("guid").toString());
  EXPECT_EQ("", run.row("100", "Thickness").value("guid").toString());
}

TEST(KypropsJson, EachCellKindHasItsDocumentedValueShape)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100,102,103,105"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  EXPECT_EQ(QJsonObject({{"color", "ByLayer"}}), run.row("100", "Color").value("value").toObject());
  const QJsonObject orange = run.row("103", "Color").value("value").toObject();
  EXPECT_EQ("255,128,0", orange.value("color").toString());
  EXPECT_EQ(QJsonArray({255, 128, 0}), orange.value("rgb").toArray());
  EXPECT_FALSE(run.row("100", "Layer").value("value").toObject().value("handle").toString().isEmpty());
  EXPECT_EQ("Walls", run.row("100", "Layer").value("text").toString());
  EXPECT_EQ(50, run.row("100", "Lineweight").value("value").toInt());
  EXPECT_EQ("0.50 mm", run.row("100", "Lineweight").value("text").toString());
  EXPECT_EQ("https://example.com/walls", run.row("100", "Hyperlink").value("value").toString());
  EXPECT_EQ(QJsonObject({{"transparency", 40}}), run.row("102", "Transparency").value("value").toObject());
  EXPECT_EQ(QJsonObject({{"transparency", "ByLayer"}}), run.row("100", "Transparency").value("value").toObject());

  const QJsonObject closed = run.row("105", "Closed").value("value").toObject();
  EXPECT_EQ(0, closed.value("current").toInt());
  EXPECT_EQ(QJsonObject({{"tag", 1}, {"value", "Yes"}}), closed.value("items").toArray().at(0).toObject());
  EXPECT_EQ("Yes", run.row("105", "Closed").value("text").toString());
}
