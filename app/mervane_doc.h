#pragma once

namespace mervane {

// The document of the document/view pair: the game lives in the view and nothing of
// it is ever saved, so the document holds nothing and is never modified.
class CMervaneDoc {
  public:
    bool IsModified() const { return false; }
};

}  // namespace mervane
