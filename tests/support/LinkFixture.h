// Where the host-made link tree lies inside the test prefix (see make_link_fixture.sh).
#pragma once

#include <string>

namespace testsupport {

inline const std::wstring kLinkFixture = L"C:\\tamberlock-fixtures\\links";

}  // namespace testsupport
