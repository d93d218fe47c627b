// Off Windows the platform key is the portable one.
#include "words/case_key.h"

namespace kawaban {

const CaseKey& PlatformCaseKey() {
    static const Cp932CaseKey key;
    return key;
}

}  // namespace kawaban
