// Keys the English catalogue keeps although no module source asks for them yet (kinds still to
// be registered, and the general linetype-scale key that block references, multiple inserts and
// tables look up). Never compiled: the kyprops_lupdate target scans this file with the sources
// so that refreshing the catalogue does not mark these keys vanished.
#error "This file only lists translation keys for lupdate."

QT_TRANSLATE_NOOP("property_types", "LineStyle scale")
QT_TRANSLATE_NOOP("property_types", "UpsideDown")
QT_TRANSLATE_NOOP("property_types", "TextStyle")
QT_TRANSLATE_NOOP("property_types", "BigFont")
QT_TRANSLATE_NOOP("property_types", "RLineStyle")
QT_TRANSLATE_NOOP("entity_types", "Simplenote")
QT_TRANSLATE_NOOP("entity_types", "2D PolyLine")
QT_TRANSLATE_NOOP("entity_types", "3D PolyLine")
QT_TRANSLATE_NOOP("entity_types", "ILine")
QT_TRANSLATE_NOOP("entity_types", "RichLine")
QT_TRANSLATE_NOOP("entity_types", "ArcAlignedText")
QT_TRANSLATE_NOOP("entity_types", "TextStyle")
