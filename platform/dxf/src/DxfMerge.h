// DxfMerge: patches the tags of one object of a source with the fields its kind writer gives for
// the object as the database now holds it. The object's own tags stay where they are: its
// structure (handle, application groups, owner, subclass markers) and every tag no subclass owns
// go out as they came (the handle and owner with the database's values), and the owned tags of
// each subclass are lined up with the fields by group code: equal values keep their text, changed
// ones are replaced in place, tags the fields no longer have are left out and new ones are added
// where their neighbours are.
#ifndef KY_DXF_MERGE_H
#define KY_DXF_MERGE_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "DxfText.h"
#include "DxfTokenizer.h"
#include "DxfWriter.h"

namespace kydxf
{
struct DxfMergeContext
{
  // Decodes the source's texts.
  const DxfTextDecoder& decoder;
  const DxfEncoder& encoder;
  std::uint64_t handle;
  std::uint64_t owner;
  // The group has no handle tag and the output gets one after its 0 tag.
  bool addHandle = false;
};

// group: the object's tags, its 0 tag first. copy writes a source tag as it came (re-encoded
// where the output's encoding differs), emit writes a tag in output form.
void dxfMerge(const std::vector<DxfTag>& group, const DxfFields& fields, const DxfMergeContext& context,
              const std::function<void(const DxfTag&)>& copy,
              const std::function<void(int, const std::string&)>& emit);

// True when a source tag holds the value a field writes (numbers compared as numbers, handles as
// handles, texts after decoding).
bool dxfSameValue(const DxfTag& tag, const DxfOutTag& field, const DxfMergeContext& context);
} // namespace kydxf

#endif
