// OdDbField: a field, whose evaluated text drives a property of the object owning it (the
// "TEXT" property of a text or multiline text, see OdDbObject::setField).
//
// Field codes. An evaluator field is one expression "%<\evaluator ...>%"; this system knows the
// evaluator "KyVar" with the variables
//   Date [\f "format"]   the current date and time in a Qt date-time format
//                        (default "yyyy-MM-dd"), e.g. %<\KyVar Date \f "dd.MM.yyyy">%
//   Text "literal"       the literal, e.g. %<\KyVar Text "Room 12">%
// Other evaluators evaluate to "####" with status kEvaluatorNotFound, unknown variables and
// malformed expressions to "####" with kInvalidCode / kSyntaxError. Every other code (or any
// code set with kTextField) is a text field: literal text mixed with child placeholders
// "%<\_FldIdx N>%" (N counts from 0 in the child list); its text is the literal text with each
// placeholder replaced by that child's evaluated text. Expressions embedded in a text field
// code become new child fields, appended after the given children.
//
// Children are database objects owned by their parent field; a field that gets children must
// be database resident. Erasing a field erases its children.
//
// Evaluation. setFieldCode() evaluates at once; evaluate() evaluates the children first, then
// the field. When the field is stored as the "TEXT" field of a text (OdDbText and classes
// derived from it) or multiline text, evaluation writes the evaluated text to that owner
// (setTextString / setContents), opening it for write. Attach a new field with
// OdDbObject::setField() and then set its code (or call evaluate()) to show its text.
#ifndef OD_DB_FIELD_H
#define OD_DB_FIELD_H

#include "DbObject.h"

class OdDbField;
typedef OdSmartPtr<OdDbField> OdDbFieldPtr;
typedef OdArray<OdDbFieldPtr> OdDbFieldArray;

class OdDbField : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbField);

  enum State
  {
    kInitialized = 0x01,
    kCompiled = 0x02,
    kModified = 0x04,
    kEvaluated = 0x08,
    kHasCache = 0x10,
    kHasFormattedString = 0x20
  };

  enum EvalOption
  {
    kDisable = 0x00,
    kOnOpen = 0x01,
    kOnSave = 0x02,
    kOnPlot = 0x04,
    kOnEtransmit = 0x08,
    kOnRegen = 0x10,
    kOnDemand = 0x20,
    kAutomatic = kOnOpen | kOnSave | kOnPlot | kOnEtransmit | kOnRegen | kOnDemand
  };

  enum EvalContext
  {
    kOpen = 0x01,
    kSave = 0x02,
    kPlot = 0x04,
    kEtransmit = 0x08,
    kRegen = 0x10,
    kDemand = 0x20,
    kPreview = 0x40
  };

  enum EvalStatus
  {
    kNotYetEvaluated = 0x01,
    kSuccess = 0x02,
    kEvaluatorNotFound = 0x04,
    kSyntaxError = 0x08,
    kInvalidCode = 0x10,
    kInvalidContext = 0x20,
    kOtherError = 0x40
  };

  enum FieldCodeFlag
  {
    // The code with child placeholders.
    kFieldCode = 0x01,
    // The evaluated text (wins over every other flag).
    kEvaluatedText = 0x02,
    // The code with each child placeholder replaced by that child's evaluated text.
    kEvaluatedChildren = 0x04,
    // setFieldCode: the code is literal text mixed with child placeholders.
    kTextField = 0x100
  };

  OdDbField();

  // Sets the code (see the header comment) and evaluates. pChildFields, when given, becomes
  // the child list in order; when null, a text field keeps its present children. Children
  // left out are erased; new ones are added to the database under this field. eInvalidInput
  // for a placeholder without its child or children given to an evaluator field,
  // eNotInDatabase when children are needed and the field is not database resident.
  OdResult setFieldCode(const OdString& fieldCode, FieldCodeFlag flags = FieldCodeFlag(0),
                        OdDbFieldArray* pChildFields = 0);
  // The code or the evaluated text (flags as above; 0 means kFieldCode). pChildFields, when
  // given, receives the children opened in openMode.
  OdString getFieldCode(FieldCodeFlag flags, OdDbFieldArray* pChildFields = 0,
                        OdDb::OpenMode openMode = OdDb::kForRead) const;

  OdUInt32 childCount() const;
  // OdError_InvalidIndex for an index outside the child list.
  OdDbFieldPtr getChild(OdUInt32 index, OdDb::OpenMode openMode) const;

  // "KyVar" for evaluator fields of this system, "_text" for text fields, the named
  // evaluator otherwise.
  OdString evaluatorId() const;
  // The \f option of a date field ("" when there is none).
  OdString getFormat() const;

  EvalOption evaluationOption() const;
  void setEvaluationOption(EvalOption option);
  // Evaluates when the evaluation option has the bit of nContext (kPreview always evaluates),
  // otherwise leaves the field as it is. pNumFound / pNumEvaluated count this field and its
  // descendants. eInvalidContext (status kInvalidContext) for a context without a bit of
  // EvalContext.
  OdResult evaluate(int nContext, OdDbDatabase* pDb = 0, int* pNumFound = 0, int* pNumEvaluated = 0);
  // Bits of State.
  int state() const;
  EvalStatus evaluationStatus(int* pErrorCode = 0, OdString* pErrorMessage = 0) const;

  // 1 evaluator id, 2 field code, 90 child count, 360 children, 91 evaluation option,
  // 94 state, 95 evaluation status, 300 error message, 301 format, 304 evaluated text.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  // Copies code, evaluation option, state and text; copying a field with children raises
  // OdError(eNotImplementedYet) (children are not shared between fields).
  void copyFrom(const OdRxObject* pSource) override;

protected:
  // Erases the children with the field.
  OdResult subErase(bool erasing) override;

private:
  // Builds this field's text from the code and the children's texts, without evaluating them.
  void compose();
  // Writes the text to the owner whose "TEXT" field this is.
  void updateOwner();
  int countDescendants() const;

  OdString m_code;
  bool m_textField = false;
  OdDbObjectIdArray m_children;
  OdString m_evaluatedText;
  int m_state = 0;
  EvalOption m_evalOption = kAutomatic;
  EvalStatus m_evalStatus = kNotYetEvaluated;
  OdString m_errorMessage;
};

// Evaluates every field of the objects (all entities of every block when objIds is null):
// their "TEXT" and other fields, in the context nContext. pNumFound / pNumEvaluated count the
// fields.
OdResult oddbEvaluateFields(OdDbDatabase* pDb, int nContext, const OdDbObjectIdArray* objIds = 0,
                            int* pNumFound = 0, int* pNumEvaluated = 0);

#endif
