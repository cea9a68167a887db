// The built-in sample drawing of kyprops: named layers (one of them dependent on an external
// reference), linetypes, an annotative text style and one or more objects of every kind the SDK
// stand-in has, with colours, lineweights, hyperlinks and annotative texts. Entities get fixed
// handles from 100 (hex) on, in creation order, so selections by handle stay stable.
#ifndef KYPROPS_SAMPLE_DRAWING_H
#define KYPROPS_SAMPLE_DRAWING_H

class OdDbDatabase;

// First handle of the sample's entities.
const unsigned kSampleFirstHandle = 0x100;

// Fills a new database (OdDbDatabase::createObject()).
void KyBuildSampleDrawing(OdDbDatabase* db);

#endif
