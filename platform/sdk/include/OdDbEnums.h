// Enumerations shared by the database classes: open modes, visibility, drawing units,
// text justification, record cloning and the DXF group codes used by filers and result buffers.
#ifndef OD_DB_ENUMS_H
#define OD_DB_ENUMS_H

#include "DbLineWeight.h"

namespace OdDb
{
enum OpenMode
{
  kNotOpen = -1,
  kForRead = 0,
  kForWrite = 1,
  kForNotify = 2
};

enum Visibility
{
  kVisible = 0,
  kInvisible = 1
};

// Insertion units ($INSUNITS and block insertion units).
enum UnitsValue
{
  kUnitsUndefined = 0,
  kUnitsInches = 1,
  kUnitsFeet = 2,
  kUnitsMiles = 3,
  kUnitsMillimeters = 4,
  kUnitsCentimeters = 5,
  kUnitsMeters = 6,
  kUnitsKilometers = 7,
  kUnitsMicroinches = 8,
  kUnitsMils = 9,
  kUnitsYards = 10,
  kUnitsAngstroms = 11,
  kUnitsNanometers = 12,
  kUnitsMicrons = 13,
  kUnitsDecimeters = 14,
  kUnitsDekameters = 15,
  kUnitsHectometers = 16,
  kUnitsGigameters = 17,
  kUnitsAstronomical = 18,
  kUnitsLightYears = 19,
  kUnitsParsecs = 20,
  kUnitsMax = kUnitsParsecs
};

enum MeasurementValue
{
  kEnglish = 0,
  kMetric = 1
};

// Linear unit formats ($LUNITS).
enum UnitsType
{
  kUnitsScientific = 1,
  kUnitsDecimal = 2,
  kUnitsEngineering = 3,
  kUnitsArchitectural = 4,
  kUnitsFractional = 5
};

// Angular unit formats ($AUNITS).
enum AngularUnits
{
  kDegrees = 0,
  kDegreesMinutesSeconds = 1,
  kGrads = 2,
  kRadians = 3,
  kSurveyorsUnits = 4
};

enum TextHorzMode
{
  kTextLeft = 0,
  kTextCenter = 1,
  kTextRight = 2,
  kTextAlign = 3,
  kTextMid = 4,
  kTextFit = 5
};

enum TextVertMode
{
  kTextBase = 0,
  kTextBottom = 1,
  kTextVertMid = 2,
  kTextTop = 3
};

enum DuplicateRecordCloning
{
  kDrcNotApplicable = 0,
  kDrcIgnore = 1,
  kDrcReplace = 2,
  kDrcXrefMangleName = 3,
  kDrcMangleName = 4,
  kDrcUnmangleName = 5
};

enum PlotStyleNameType
{
  kPlotStyleNameByLayer = 0,
  kPlotStyleNameByBlock = 1,
  kPlotStyleNameIsDictDefault = 2,
  kPlotStyleNameById = 3
};

enum Planarity
{
  kNonPlanar = 0,
  kPlanar = 1,
  kLinear = 2
};

// DXF group codes. A code's range decides the kind of its value (see OdResBuf).
enum DxfCode
{
  kDxfInvalid = -9999,
  kDxfStart = 0,
  kDxfText = 1,
  kDxfXRefPath = 1,
  kDxfSymbolTableName = 2,
  kDxfBlockName = 2,
  kDxfDescription = 3,
  kDxfTextFontFile = 3,
  kDxfTextBigFontFile = 4,
  kDxfHandle = 5,
  kDxfLinetypeName = 6,
  kDxfTextStyleName = 7,
  kDxfLayerName = 8,
  kDxfXCoord = 10,
  kDxfYCoord = 20,
  kDxfZCoord = 30,
  kDxfElevation = 38,
  kDxfThickness = 39,
  kDxfReal = 40,
  kDxfTxtSize = 40,
  kDxfTxtStyleXScale = 41,
  kDxfViewWidth = 41,
  kDxfLinetypeScale = 48,
  kDxfDashLength = 49,
  kDxfAngle = 50,
  kDxfVisibility = 60,
  kDxfColor = 62,
  kDxfInt16 = 70,
  kDxfInt32 = 90,
  kDxfSubclass = 100,
  kDxfControlString = 102,
  kDxfDimVarHandle = 105,
  kDxfUCSOrg = 110,
  kDxfUCSOriX = 111,
  kDxfUCSOriY = 112,
  kDxfXReal = 140,
  kDxfInt64 = 160,
  kDxfXInt16 = 170,
  kDxfNormalX = 210,
  kDxfNormalY = 220,
  kDxfNormalZ = 230,
  kDxfXXInt16 = 270,
  kDxfInt8 = 280,
  kDxfBool = 290,
  kDxfXTextString = 300,
  kDxfBinaryChunk = 310,
  kDxfArbHandle = 320,
  kDxfSoftPointerId = 330,
  kDxfHardPointerId = 340,
  kDxfSoftOwnershipId = 350,
  kDxfHardOwnershipId = 360,
  kDxfLineWeight = 370,
  kDxfPlotStyleNameType = 380,
  kDxfPlotStyleNameId = 390,
  kDxfXXXInt16 = 400,
  kDxfLayoutName = 410,
  kDxfColorRGB = 420,
  kDxfColorName = 430,
  kDxfAlpha = 440,
  kDxfComment = 999,
  kDxfXdAsciiString = 1000,
  kDxfRegAppName = 1001,
  kDxfXdControlString = 1002,
  kDxfXdLayerName = 1003,
  kDxfXdBinaryChunk = 1004,
  kDxfXdHandle = 1005,
  kDxfXdXCoord = 1010,
  kDxfXdWorldXCoord = 1011,
  kDxfXdWorldXDisp = 1012,
  kDxfXdWorldXDir = 1013,
  kDxfXdYCoord = 1020,
  kDxfXdWorldYCoord = 1021,
  kDxfXdWorldYDisp = 1022,
  kDxfXdWorldYDir = 1023,
  kDxfXdZCoord = 1030,
  kDxfXdWorldZCoord = 1031,
  kDxfXdWorldZDisp = 1032,
  kDxfXdWorldZDir = 1033,
  kDxfXdReal = 1040,
  kDxfXdDist = 1041,
  kDxfXdScale = 1042,
  kDxfXdInteger16 = 1070,
  kDxfXdInteger32 = 1071,
  kDxfXdMax = kDxfXdInteger32
};
} // namespace OdDb

#endif
