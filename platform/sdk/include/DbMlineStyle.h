// OdDbMlineStyle: how a multiline is drawn: its elements (parallel lines at an offset from the
// multiline's vertex line, each with a colour and a linetype), the angles of its caps, a fill
// colour and flags. Drawings keep their styles in the named-objects dictionary under
// "ACAD_MLINESTYLE" (kDictionaryName). Elements stay sorted by offset, highest first.
#ifndef OD_DB_MLINE_STYLE_H
#define OD_DB_MLINE_STYLE_H

#include <vector>

#include "CmColor.h"
#include "DbObject.h"

class OdDbMlineStyle : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbMlineStyle);

  // The key of the styles' dictionary in the named-objects dictionary.
  static const wchar_t* const kDictionaryName;

  // Bits of flags().
  enum Flags
  {
    kFillOn = 1,
    kShowMiters = 2,
    kStartSquareCap = 16,
    kStartInnerArcs = 32,
    kStartRoundCap = 64,
    kEndSquareCap = 256,
    kEndInnerArcs = 512,
    kEndRoundCap = 1024
  };

  // A new style is the "Standard" one (see initMlineStyle).
  OdDbMlineStyle();

  // Makes this the "Standard" style: no description, no flags, fill colour ByLayer, caps at
  // right angles, and two elements at +0.5 and -0.5, colour and linetype ByLayer.
  void initMlineStyle();

  OdString name() const;
  void setName(const OdString& name);
  OdString description() const;
  void setDescription(const OdString& description);
  OdUInt16 flags() const;
  // Bits other than those of Flags raise OdError(eInvalidInput).
  void setFlags(OdUInt16 flags);
  bool filled() const;
  void setFilled(bool filled);
  OdCmColor fillColor() const;
  void setFillColor(const OdCmColor& color);
  // Radians, in (0, pi): the angle of the start and end caps to the first and last segment.
  double startAngle() const;
  void setStartAngle(double angle);
  double endAngle() const;
  void setEndAngle(double angle);

  int numElements() const;
  // Adds an element at its place by offset and gives that index; a non-finite offset raises
  // OdError(eInvalidInput). A null linetype id stands for ByLayer.
  int addElement(double offset, const OdCmColor& color, const OdDbObjectId& linetypeId);
  // eInvalidIndex for an index out of range (the values are left as they were).
  OdResult getElementAt(int index, double& offset, OdCmColor& color, OdDbObjectId& linetypeId) const;
  // Replaces element index and moves it to its place by the new offset; eInvalidIndex or
  // eInvalidInput (non-finite offset) change nothing.
  OdResult setElement(int index, double offset, const OdCmColor& color, const OdDbObjectId& linetypeId);
  OdResult removeElementAt(int index);
  // Highest and lowest element offset (both 0 without elements).
  double maxOffset() const;
  double minOffset() const;

  // Name (2), flags (70), description (3), fill colour (62), angles in radians (51, 52), the
  // element count (71) and per element offset (49), colour (62) and linetype handle (6).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  struct Element
  {
    double offset;
    OdCmColor color;
    OdDbObjectId linetypeId;
  };
  int insertSorted(const Element& element);

  OdString m_name;
  OdString m_description;
  OdUInt16 m_flags = 0;
  OdCmColor m_fillColor;
  double m_startAngle = 0.0;
  double m_endAngle = 0.0;
  std::vector<Element> m_elements;
};

typedef OdSmartPtr<OdDbMlineStyle> OdDbMlineStylePtr;

#endif
