#pragma once
// The two hyperlink controls of the about window as the window stores them:
// their class, and the property entries each instance is loaded from (the
// host's extent first, then the control's keys in lower case, in the order a
// save writes them).
#include <vector>

#include "com/PropertyBag.h"

namespace dictionary {

constexpr const char* kLinkClass = "zorbLinkControl.zorbLink";
constexpr const char* kWebAddress = "http://www.wortel.pl/";
constexpr const char* kWebCaption = "www.wortel.pl";
constexpr const char* kMailAddress = "mailto:wortel@wortel.pl";
constexpr const char* kMailCaption = "wortel@wortel.pl";

// zorbLink1: the web page; zorbLink2: the e-mail address.
std::vector<com::PropertyBag::Entry> zorbLink1Properties();
std::vector<com::PropertyBag::Entry> zorbLink2Properties();

}  // namespace dictionary
