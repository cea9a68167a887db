// Result buffer: one typed value under a group code, linked into chains. Extended data,
// dynamic-block values and filer data travel as chains. The kind of value follows the
// code: DXF ranges (1000-1009 strings, 1010-1013 points, 1040-1042 reals, 1070 16-bit,
// 1071 32-bit integers ...) and the kRt... codes of lisp-style values.
#ifndef OD_RES_BUF_H
#define OD_RES_BUF_H

#include "DbObjectId.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "RxObject.h"

class OdResBuf;
typedef OdSmartPtr<OdResBuf> OdResBufPtr;
typedef OdArray<OdUInt8> OdBinaryData;

class OdResBuf : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdResBuf);

  enum ValueType
  {
    kRtNone = 5000,
    kRtDouble = 5001,
    kRtPoint = 5002,
    kRtInt16 = 5003,
    kRtAngle = 5004,
    kRtString = 5005,
    kRtEntName = 5006,
    kRtPickSet = 5007,
    kRtOrient = 5008,
    kRt3dPoint = 5009,
    kRtInt32 = 5010,
    kRtColor = 5011,
    kRtVoid = 5014,
    kRtListBeg = 5016,
    kRtListEnd = 5017,
    kRtDote = 5018,
    kRtNil = 5019,
    kRtDxf0 = 5020,
    kRtT = 5021,
    kRtResBuf = 5023,
    kRtBool = 5024,
    kRtInt8 = 5025,
    kRtInt64 = 5026
  };

  // What a code carries.
  enum DataKind
  {
    kNone = 0,
    kString,
    kDouble,
    kInt8,
    kInt16,
    kInt32,
    kInt64,
    kBool,
    kPoint3d,
    kHandle,
    kObjectId,
    kBinary
  };
  static DataKind dataKind(int restype);

  // A buffer of restype with a zero / empty value.
  static OdResBufPtr newRb(int restype = kRtNone);
  // Buffers with a value; the value must suit restype's kind (else OdError(eInvalidResBuf)),
  // doubles and points must be finite (else OdError(eInvalidInput)).
  static OdResBufPtr newRb(int restype, const OdChar* value);
  static OdResBufPtr newRb(int restype, const OdString& value);
  static OdResBufPtr newRb(int restype, double value);
  static OdResBufPtr newRb(int restype, OdInt16 value);
  static OdResBufPtr newRb(int restype, OdInt32 value);
  static OdResBufPtr newRb(int restype, bool value);
  static OdResBufPtr newRb(int restype, const OdGePoint3d& value);
  static OdResBufPtr newRb(int restype, const OdGePoint2d& value);
  static OdResBufPtr newRb(int restype, const OdDbObjectId& value);
  static OdResBufPtr newRb(int restype, const OdDbHandle& value);

  ~OdResBuf() override;

  int restype() const { return m_type; }
  // Changes the code; a code of another kind resets the value.
  void setRestype(int restype);
  DataKind kind() const { return dataKind(m_type); }

  // Typed access. A getter or setter of a kind that is not the buffer's raises
  // OdError(eInvalidResBuf); integer getters also read the narrower integer kinds.
  const OdString& getString() const;
  void setString(const OdString& value);
  double getDouble() const;
  void setDouble(double value);
  OdInt8 getInt8() const;
  void setInt8(OdInt8 value);
  OdInt16 getInt16() const;
  void setInt16(OdInt16 value);
  OdInt32 getInt32() const;
  void setInt32(OdInt32 value);
  OdInt64 getInt64() const;
  void setInt64(OdInt64 value);
  bool getBool() const;
  void setBool(bool value);
  const OdGePoint3d& getPoint3d() const;
  void setPoint3d(const OdGePoint3d& value);
  // The x and y of a point buffer; setPoint2d sets z to 0.
  OdGePoint2d getPoint2d() const;
  void setPoint2d(const OdGePoint2d& value);
  OdGeVector3d getVector3d() const { return getPoint3d().asVector(); }
  void setVector3d(const OdGeVector3d& value) { setPoint3d(value.asPoint()); }
  // Handle buffers, and the handle of an object-id buffer.
  OdDbHandle getHandle() const;
  void setHandle(const OdDbHandle& value);
  OdDbObjectId getObjectId(OdDbDatabase* pDb = 0) const;
  void setObjectId(const OdDbObjectId& value);
  const OdBinaryData& getBinaryChunk() const;
  void setBinaryChunk(const OdBinaryData& value);

  // The chain. setNext() and insert() return the buffer they linked in, so chains can be
  // built as tail = tail->setNext(OdResBuf::newRb(...)).
  OdResBufPtr next() const { return m_pNext; }
  OdResBufPtr setNext(OdResBuf* pNext);
  // Links pRb after this buffer, before the present next one; returns pRb.
  OdResBufPtr insert(OdResBuf* pRb);
  OdResBufPtr last() const;

  // Copies code and value (not the link) of another OdResBuf.
  void copyFrom(const OdRxObject* pSource) override;
  // A deep copy of the chain that starts here.
  OdResBufPtr copyChain() const;
  // Same codes and values along both chains.
  static bool chainsEqual(const OdResBuf* pA, const OdResBuf* pB);

protected:
  OdResBuf() = default;

private:
  friend class OdDbObjectAccess;
  void requireKind(DataKind kind) const;
  void copyValueFrom(const OdResBuf& source);

  int m_type = kRtNone;
  OdString m_string;
  double m_double = 0.0;
  OdInt64 m_int = 0;
  OdGePoint3d m_point;
  OdDbHandle m_handle;
  OdDbObjectId m_id;
  OdBinaryData m_binary;
  OdResBufPtr m_pNext;
};

#endif
