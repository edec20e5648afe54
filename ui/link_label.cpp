// The link label's handler and the home page address, which the build
// writes into ui/home_page.h from TESSAVOR_HOME_PAGE.
#include "ui/link_label.h"

#include "ui/home_page.h"

namespace tessavor {

const char HomePageAddress[] = TESSAVOR_HOME_PAGE;

void OnLinkLabelLeftButtonDown(std::int32_t, std::int32_t, std::int32_t) { OpenWebAddress(HomePageAddress); }

}  // namespace tessavor
