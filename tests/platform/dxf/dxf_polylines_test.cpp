// Tests of the heavy polylines and meshes in DXF: POLYLINE with its VERTEX entities and SEQEND
// read into the polyline or mesh and its owned vertices under the file's handles, a missing SEQEND
// repaired; a drawing written whole reading back with the same vertices and handles, and one
// written from its source after fitting keeping the polyline's vertex order.
#include <gtest/gtest.h>

#include <vector>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DxfWriteTestUtil.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"

namespace
{
QByteArray entitiesFile(const QByteArray& body)
{
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

std::vector<OdDbObjectId> modelSpace(OdDbDatabase* db)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
  const OdDbObjectIdArray ids = ms->entityIds();
  return std::vector<OdDbObjectId>(ids.begin(), ids.end());
}

struct Seen
{
  OdUInt64 handle;
  int type;
  OdGePoint3d position;
  double start, end, bulge;
};

std::vector<Seen> vertices2d(const OdDb2dPolyline* p)
{
  std::vector<Seen> out;
  for (OdDbObjectIteratorPtr it = p->vertexIterator(); !it->done(); it->step())
  {
    OdDb2dVertexPtr v = it->entity();
    EXPECT_EQ(v->ownerId(), p->objectId());
    out.push_back({v->handle().value(), v->vertexType(), v->position(), v->startWidth(), v->endWidth(), v->bulge()});
  }
  return out;
}

const QByteArray kCurveFitted =
  "0\nPOLYLINE\n5\nA0\n8\nWalls\n100\nAcDbEntity\n100\nAcDb2dPolyline\n66\n1\n10\n0\n20\n0\n30\n2.5\n70\n3\n"
  "40\n0.5\n41\n0.5\n"
  "0\nVERTEX\n5\nA1\n100\nAcDbEntity\n100\nAcDbVertex\n100\nAcDb2dVertex\n10\n0\n20\n0\n30\n2.5\n42\n0.25\n70\n0\n"
  "0\nVERTEX\n5\nA2\n100\nAcDbEntity\n8\nDoors\n62\n1\n100\nAcDbVertex\n100\nAcDb2dVertex\n10\n5\n20\n1\n30\n2.5\n40\n1\n41\n2\n70\n1\n"
  "0\nVERTEX\n5\nA3\n100\nAcDbEntity\n100\nAcDbVertex\n100\nAcDb2dVertex\n10\n10\n20\n0\n30\n2.5\n70\n0\n"
  "0\nSEQEND\n5\nA4\n100\nAcDbEntity\n8\nWalls\n";
} // namespace

TEST(DxfPolylines, ReadsA2dPolylineWithItsVerticesUnderTheirHandles)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(entitiesFile(kCurveFitted), "t.dxf", db, report, error))
    << error.toStdString();
  EXPECT_TRUE(report.repairs.isEmpty());
  EXPECT_TRUE(report.skipped.isEmpty()) << report.skippedText().toStdString();
  const std::vector<OdDbObjectId> ids = modelSpace(db);
  ASSERT_EQ(ids.size(), 1u);
  OdDb2dPolylinePtr p = OdDb2dPolyline::cast(ids[0].openObject().get());
  ASSERT_FALSE(p.isNull());
  EXPECT_EQ(p->handle().value(), 0xA0u);
  EXPECT_TRUE(p->isClosed());
  EXPECT_EQ(p->polyType(), OdDb::k2dFitCurvePoly);
  EXPECT_EQ(p->elevation(), 2.5);
  const std::vector<Seen> vs = vertices2d(p);
  ASSERT_EQ(vs.size(), 3u);
  EXPECT_EQ(vs[0].handle, 0xA1u);
  EXPECT_EQ(vs[1].handle, 0xA2u);
  EXPECT_EQ(vs[2].handle, 0xA3u);
  EXPECT_EQ(vs[0].bulge, 0.25);
  // Widths the vertex leaves out are the polyline's defaults.
  EXPECT_EQ(vs[0].start, 0.5);
  EXPECT_EQ(vs[1].start, 1.0);
  EXPECT_EQ(vs[1].end, 2.0);
  EXPECT_EQ(vs[1].type, OdDb::k2dCurveFitVertex);
  EXPECT_EQ(vs[2].type, OdDb::k2dVertex);
  EXPECT_EQ(vs[1].position, OdGePoint3d(5, 1, 2.5));
  // A vertex has its own layer and colour.
  OdDbEntityPtr second = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xA2))).openObject();
  EXPECT_EQ(std::wstring(second->layer().c_str()), L"Doors");
  EXPECT_EQ(second->colorIndex(), 1);
  OdDbEntityPtr first = db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(0xA1))).openObject();
  EXPECT_EQ(std::wstring(first->layer().c_str()), L"0");
}

TEST(DxfPolylines, Reads3dPolylinesAndMeshesAndRepairsAMissingSeqend)
{
  const QByteArray body =
    "0\nPOLYLINE\n5\nB0\n100\nAcDbEntity\n100\nAcDb3dPolyline\n10\n0\n20\n0\n30\n0\n70\n12\n75\n5\n"
    "0\nVERTEX\n5\nB1\n100\nAcDbEntity\n10\n1\n20\n2\n30\n3\n70\n48\n"
    "0\nVERTEX\n5\nB2\n100\nAcDbEntity\n10\n4\n20\n5\n30\n6\n70\n48\n"
    "0\nVERTEX\n5\nB3\n100\nAcDbEntity\n10\n2\n20\n3\n30\n4\n70\n40\n"
    "0\nSEQEND\n5\nB4\n"
    "0\nPOLYLINE\n5\nC0\n100\nAcDbEntity\n70\n64\n71\n3\n72\n1\n"
    "0\nVERTEX\n5\nC1\n10\n0\n20\n0\n30\n0\n70\n192\n"
    "0\nSEQEND\n5\nC2\n"
    "0\nPOLYLINE\n5\nD0\n100\nAcDbEntity\n70\n0\n"
    "0\nVERTEX\n5\nD1\n10\n0\n20\n0\n30\n0\n"
    "0\nLINE\n5\nD2\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n";
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(entitiesFile(body), "t.dxf", db, report, error)) << error.toStdString();
  EXPECT_TRUE(report.skipped.isEmpty()) << report.skippedText().toStdString();
  ASSERT_EQ(report.repairs.size(), 1);
  EXPECT_TRUE(KyDxfReader::Report::repairText("t.dxf", report.repairs[0]).contains("POLYLINE D0 without SEQEND"))
    << KyDxfReader::Report::repairText("t.dxf", report.repairs[0]).toStdString();
  const std::vector<OdDbObjectId> ids = modelSpace(db);
  ASSERT_EQ(ids.size(), 4u);
  OdDb3dPolylinePtr p3d = OdDb3dPolyline::cast(ids[0].openObject().get());
  ASSERT_FALSE(p3d.isNull());
  EXPECT_EQ(p3d->polyType(), OdDb::k3dQuadSplinePoly);
  std::vector<int> types;
  for (OdDbObjectIteratorPtr it = p3d->vertexIterator(); !it->done(); it->step())
    types.push_back(OdDb3dPolylineVertex::cast(it->entity().get())->vertexType());
  EXPECT_EQ(types, (std::vector<int>{OdDb::k3dControlVertex, OdDb::k3dControlVertex, OdDb::k3dFitVertex}));
  // Only the fit vertex is on the path: a single point.
  double endParam = -1.0;
  p3d->getEndParam(endParam);
  EXPECT_EQ(endParam, 0.0);
  // A polyface mesh whose counts overstate what it has is read as it is.
  OdDbPolyFaceMeshPtr faces = OdDbPolyFaceMesh::cast(ids[1].openObject().get());
  ASSERT_FALSE(faces.isNull());
  EXPECT_EQ(faces->numVertices(), 1);
  EXPECT_EQ(faces->numFaces(), 0);
  OdDb2dPolylinePtr open = OdDb2dPolyline::cast(ids[2].openObject().get());
  ASSERT_FALSE(open.isNull());
  EXPECT_EQ(vertices2d(open).size(), 1u);
  EXPECT_EQ(ids[3].openObject()->isA()->name(), OdString(L"OdDbLine"));
}

TEST(DxfPolylines, WrittenWholeReadsBackTheSameVerticesAndHandles)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(entitiesFile(kCurveFitted), "t.dxf", db, report, error));
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject(OdDb::kForWrite);
    OdDb3dPolylinePtr rail = OdDb3dPolyline::createObject();
    for (const OdGePoint3d& p : {OdGePoint3d(0, 0, 0), OdGePoint3d(0, 5, 1), OdGePoint3d(5, 5, 2)})
    {
      OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
      v->setPosition(p);
      rail->appendVertex(v);
    }
    ms->appendOdDbEntity(rail);
    rail->splineFit(OdDb::k3dCubicSplinePoly, 3);
  }
  const std::vector<OdDbObjectId> before = modelSpace(db);
  // Written without the source: the whole drawing as the database holds it.
  QByteArray out;
  ASSERT_TRUE(KyDxfWriter::write(db, nullptr, out, error)) << error.toStdString();
  EXPECT_EQ(out.count("SEQEND"), 2);
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report againReport;
  ASSERT_TRUE(KyDxfReader::readFromBytes(out, "out.dxf", again, againReport, error)) << error.toStdString();
  EXPECT_TRUE(againReport.repairs.isEmpty());
  EXPECT_TRUE(againReport.skipped.isEmpty()) << againReport.skippedText().toStdString();
  const std::vector<OdDbObjectId> after = modelSpace(again);
  ASSERT_EQ(after.size(), before.size());

  OdDb2dPolylinePtr p0 = OdDb2dPolyline::cast(before[0].openObject().get());
  OdDb2dPolylinePtr p1 = OdDb2dPolyline::cast(after[0].openObject().get());
  ASSERT_FALSE(p1.isNull());
  EXPECT_EQ(p1->handle(), p0->handle());
  const std::vector<Seen> v0 = vertices2d(p0), v1 = vertices2d(p1);
  ASSERT_EQ(v1.size(), v0.size());
  for (std::size_t i = 0; i < v0.size(); ++i)
  {
    EXPECT_EQ(v1[i].handle, v0[i].handle);
    EXPECT_EQ(v1[i].type, v0[i].type);
    EXPECT_EQ(v1[i].position, v0[i].position);
    EXPECT_EQ(v1[i].start, v0[i].start);
    EXPECT_EQ(v1[i].end, v0[i].end);
    EXPECT_EQ(v1[i].bulge, v0[i].bulge);
  }
  OdDb3dPolylinePtr r0 = OdDb3dPolyline::cast(before[1].openObject().get());
  OdDb3dPolylinePtr r1 = OdDb3dPolyline::cast(after[1].openObject().get());
  ASSERT_FALSE(r1.isNull());
  EXPECT_EQ(r1->polyType(), OdDb::k3dCubicSplinePoly);
  double l0 = 0.0, l1 = 0.0, e0 = 0.0, e1 = 0.0;
  r0->getEndParam(e0);
  r1->getEndParam(e1);
  r0->getDistAtParam(e0, l0);
  r1->getDistAtParam(e1, l1);
  EXPECT_EQ(e1, e0);
  EXPECT_NEAR(l1, l0, 1e-12);
}

namespace
{
// A square of four vertices split into two triangles along its diagonal, which is hidden (the
// negative corner numbers), with the second face red; and a 2 by 3 polygon mesh closed in N.
const QByteArray kMeshes =
  "0\nPOLYLINE\n5\nE0\n100\nAcDbEntity\n8\nRoof\n100\nAcDbPolyFaceMesh\n66\n1\n10\n0\n20\n0\n30\n0\n"
  "70\n64\n71\n4\n72\n2\n"
  "0\nVERTEX\n5\nE1\n100\nAcDbEntity\n8\nRoof\n100\nAcDbVertex\n100\nAcDbPolyFaceMeshVertex\n10\n0\n20\n0\n30\n0\n70\n192\n"
  "0\nVERTEX\n5\nE2\n100\nAcDbEntity\n8\nRoof\n100\nAcDbVertex\n100\nAcDbPolyFaceMeshVertex\n10\n4\n20\n0\n30\n0\n70\n192\n"
  "0\nVERTEX\n5\nE3\n100\nAcDbEntity\n8\nRoof\n100\nAcDbVertex\n100\nAcDbPolyFaceMeshVertex\n10\n4\n20\n3\n30\n1\n70\n192\n"
  "0\nVERTEX\n5\nE4\n100\nAcDbEntity\n8\nRoof\n100\nAcDbVertex\n100\nAcDbPolyFaceMeshVertex\n10\n0\n20\n3\n30\n0\n70\n192\n"
  "0\nVERTEX\n5\nE5\n100\nAcDbEntity\n8\nRoof\n100\nAcDbFaceRecord\n10\n0\n20\n0\n30\n0\n70\n128\n71\n1\n72\n2\n73\n-3\n"
  "0\nVERTEX\n5\nE6\n100\nAcDbEntity\n8\nRoof\n62\n1\n100\nAcDbFaceRecord\n10\n0\n20\n0\n30\n0\n70\n128\n71\n-1\n72\n3\n73\n4\n"
  "0\nSEQEND\n5\nE7\n100\nAcDbEntity\n8\nRoof\n"
  "0\nPOLYLINE\n5\nF0\n100\nAcDbEntity\n8\nSite\n100\nAcDbPolygonMesh\n66\n1\n10\n0\n20\n0\n30\n0\n"
  "70\n48\n71\n2\n72\n3\n"
  "0\nVERTEX\n5\nF1\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n0\n20\n0\n30\n0\n70\n64\n"
  "0\nVERTEX\n5\nF2\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n0\n20\n1\n30\n0\n70\n64\n"
  "0\nVERTEX\n5\nF3\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n0\n20\n2\n30\n1\n70\n64\n"
  "0\nVERTEX\n5\nF4\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n1\n20\n0\n30\n0\n70\n64\n"
  "0\nVERTEX\n5\nF5\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n1\n20\n1\n30\n2\n70\n64\n"
  "0\nVERTEX\n5\nF6\n100\nAcDbEntity\n8\nSite\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n10\n1\n20\n2\n30\n0\n70\n64\n"
  "0\nSEQEND\n5\nF7\n100\nAcDbEntity\n8\nSite\n";

OdDbEntityPtr byHandle(OdDbDatabase* db, OdUInt64 handle, OdDb::OpenMode mode = OdDb::kForRead)
{
  return db->getOdDbObjectId(OdDbHandle(handle)).openObject(mode);
}
} // namespace

TEST(DxfPolylines, ReadsMeshesWithTheirVerticesAndFaces)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  ASSERT_TRUE(dxfwrite::readsCleanly(entitiesFile(kMeshes), db, report));
  OdDbPolyFaceMeshPtr faces = OdDbPolyFaceMesh::cast(byHandle(db, 0xE0).get());
  ASSERT_FALSE(faces.isNull());
  EXPECT_EQ(faces->numVertices(), 4);
  EXPECT_EQ(faces->numFaces(), 2);
  OdGeExtents3d box;
  ASSERT_EQ(faces->getGeomExtents(box), eOk);
  EXPECT_EQ(box.maxPoint(), OdGePoint3d(4, 3, 1));
  OdDbFaceRecordPtr second = OdDbFaceRecord::cast(byHandle(db, 0xE6).get());
  ASSERT_FALSE(second.isNull());
  EXPECT_EQ(second->ownerId(), faces->objectId());
  EXPECT_EQ(second->colorIndex(), 1);
  OdInt16 corners[4];
  bool visible[4];
  for (OdUInt16 i = 0; i < 4; ++i)
  {
    second->getVertexAt(i, corners[i]);
    second->isEdgeVisibleAt(i, visible[i]);
  }
  EXPECT_EQ(std::vector<OdInt16>(corners, corners + 4), (std::vector<OdInt16>{1, 3, 4, 0}));
  EXPECT_EQ(std::vector<bool>(visible, visible + 4), (std::vector<bool>{false, true, true, true}));

  OdDbPolygonMeshPtr grid = OdDbPolygonMesh::cast(byHandle(db, 0xF0).get());
  ASSERT_FALSE(grid.isNull());
  EXPECT_EQ(grid->mSize(), 2);
  EXPECT_EQ(grid->nSize(), 3);
  EXPECT_FALSE(grid->isMClosed());
  EXPECT_TRUE(grid->isNClosed());
  ASSERT_EQ(grid->getGeomExtents(box), eOk);
  EXPECT_EQ(box.maxPoint(), OdGePoint3d(1, 2, 2));
}

TEST(DxfPolylines, MeshesRepairedAndWrittenBack)
{
  // A polygon mesh short of its M by N vertices, and a face naming a vertex the mesh lacks.
  QByteArray bent = kMeshes;
  bent.replace("71\n2\n72\n3\n", "71\n3\n72\n3\n");
  bent.replace("71\n-1\n72\n3\n73\n4\n", "71\n-1\n72\n3\n73\n9\n");
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(entitiesFile(bent), "t.dxf", db, report, error)) << error.toStdString();
  QStringList repairs;
  for (const auto& r : report.repairs)
    repairs << KyDxfReader::Report::repairText("t.dxf", r);
  ASSERT_EQ(repairs.size(), 2) << repairs.join("\n").toStdString();
  EXPECT_TRUE(repairs.filter("polyface mesh VERTEX refused by its mesh").size() == 1) << repairs.join("\n").toStdString();
  EXPECT_TRUE(repairs.filter("polygon mesh POLYLINE F0 is 3 by 3 but has 6 vertices").size() == 1)
    << repairs.join("\n").toStdString();
  EXPECT_EQ(OdDbPolyFaceMesh::cast(byHandle(db, 0xE0).get())->numFaces(), 1);

  // Written unchanged from its source the file goes out as it came, and an edit of the mesh's
  // own properties changes that object alone.
  const dxfwrite::Read r = dxfwrite::readSource(entitiesFile(kMeshes));
  const auto trimmedLines = [](const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n');
    for (QByteArray& line : lines)
      line = line.trimmed();
    return lines;
  };
  EXPECT_EQ(trimmedLines(dxfwrite::writeBack(r)), trimmedLines(entitiesFile(kMeshes)));
  const std::map<std::uint64_t, std::string> before = dxfwrite::statesOf(r.db);
  byHandle(r.db, 0xF0, OdDb::kForWrite)->setColorIndex(3, false);
  OdDbFaceRecordPtr face = OdDbFaceRecord::cast(byHandle(r.db, 0xE5, OdDb::kForWrite).get());
  face->makeEdgeVisibleAt(2);
  face.release();
  const dxfwrite::Read again = dxfwrite::readSource(dxfwrite::writeBack(r));
  EXPECT_TRUE(again.report.repairs.isEmpty());
  const std::map<std::uint64_t, std::string> after = dxfwrite::statesOf(again.db);
  ASSERT_EQ(after.size(), before.size());
  std::vector<std::uint64_t> changed;
  for (const auto& [handle, state] : before)
    if (after.at(handle) != state)
      changed.push_back(handle);
  EXPECT_EQ(changed, (std::vector<std::uint64_t>{0xE5, 0xF0}));
  OdDbFaceRecordPtr read = OdDbFaceRecord::cast(byHandle(again.db, 0xE5).get());
  bool visible = false;
  read->isEdgeVisibleAt(2, visible);
  EXPECT_TRUE(visible);

  // Written whole, both meshes read back with the same states.
  QByteArray whole;
  ASSERT_TRUE(KyDxfWriter::write(r.db, nullptr, whole, error)) << error.toStdString();
  OdDbDatabasePtr third = OdDbDatabase::createObject();
  KyDxfReader::Report thirdReport;
  ASSERT_TRUE(dxfwrite::readsCleanly(whole, third, thirdReport));
  for (OdUInt64 h : {0xE0, 0xE5, 0xE6, 0xF0, 0xF6})
    EXPECT_TRUE(dxfwrite::sameState(byHandle(r.db, h).get(), byHandle(third, h).get())) << std::hex << h;
}

// Fitting a polyline read from a file adds vertices between and after its own: written from the
// source, they go out in the polyline's order, and the placed vertices keep their handles.
TEST(DxfPolylines, FittedPolylinesOfTheSourceGoOutInTheirVertexOrder)
{
  QByteArray simple = kCurveFitted;
  simple.replace("70\n3\n40", "70\n1\n40");
  simple.replace("41\n2\n70\n1\n", "41\n2\n70\n0\n");
  const dxfwrite::Read r = dxfwrite::readSource(entitiesFile(simple));
  ASSERT_TRUE(r.report.repairs.isEmpty());
  for (const auto fit : {+[](OdDb2dPolyline* p) { p->curveFit(); },
                         +[](OdDb2dPolyline* p) { p->splineFit(OdDb::k2dQuadSplinePoly, 3); },
                         +[](OdDb2dPolyline* p) { p->straighten(); }})
  {
    OdDb2dPolylinePtr p = OdDb2dPolyline::cast(byHandle(r.db, 0xA0, OdDb::kForWrite).get());
    fit(p.get());
    const std::vector<Seen> expected = vertices2d(p);
    p.release();
    const dxfwrite::Read again = dxfwrite::readSource(dxfwrite::writeBack(r));
    EXPECT_TRUE(again.report.repairs.isEmpty());
    OdDb2dPolylinePtr back = OdDb2dPolyline::cast(byHandle(again.db, 0xA0).get());
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back->polyType(), OdDb2dPolyline::cast(byHandle(r.db, 0xA0).get())->polyType());
    const std::vector<Seen> seen = vertices2d(back);
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i)
    {
      SCOPED_TRACE(i);
      EXPECT_EQ(seen[i].handle, expected[i].handle);
      EXPECT_EQ(seen[i].type, expected[i].type);
      EXPECT_TRUE(seen[i].position.isEqualTo(expected[i].position, OdGeTol(1e-9)));
      EXPECT_NEAR(seen[i].bulge, expected[i].bulge, 1e-12);
    }
  }
}
