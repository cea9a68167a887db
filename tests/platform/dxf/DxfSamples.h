// Sample drawings written with DxfTestWriter: the drawing the reader's tests check value by
// value, the seed corpus of the fuzz target, and the benchmark's large file.
#ifndef KY_DXF_SAMPLES_H
#define KY_DXF_SAMPLES_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include "DxfTestWriter.h"

// Every version the reader supports, oldest first.
const QStringList& dxfVersions();

// Handles and values the sample drawing writes, so tests can look them up.
namespace DxfSample
{
enum : quint64
{
  kWallsLayer = 0x13, // a fresh database gives this handle to one of its own objects
  kDashedLinetype = 0x30,
  kNotesStyle = 0x31,
  kDoorBlock = 0x32,
  kPlotStyleThin = 0x40,
  kLine = 0x200,
  kCircle = 0x201,
  kArc = 0x202,
  kText = 0x203,
  kMText = 0x204,
  kPolyline = 0x205,
  kPaperLine = 0x206,
  kBlockLine = 0x207,
  kLineXDictionary = 0x300
};
// A text in the code page's own script (and one character it lacks, written escaped).
QString localText(const QString& codePage);
} // namespace DxfSample

// The sample drawing in a version and code page.
QByteArray dxfSampleFile(const QString& version, const QString& codePage = QStringLiteral("ANSI_1252"));

// Small files in every version and several code pages, plus a few damaged ones: the seed corpus.
QList<QPair<QString, QByteArray>> dxfSeedCorpus();

// A drawing with `count` mixed entities (lines, circles, arcs, texts, multiline texts and
// polylines on several layers, each with extended data), for the benchmark.
QByteArray dxfLargeFile(int count);

#endif
