// Internal: gathering the rows of one property extension for one object into a container.
#ifndef KY_PROPERTY_GATHER_H
#define KY_PROPERTY_GATHER_H

class CKyPropertyBase;
class CKyPropertiesContainerImpl;
class OdDbObject;

// Makes out the active container, asks extension for the listed rows of the object (with the
// object's class) and, when it has them, the per-object rows; then restores the active container,
// also when an extension throws.
void kyGatherPropertyRows(CKyPropertyBase* extension, const OdDbObject* object, CKyPropertiesContainerImpl& out);

#endif
