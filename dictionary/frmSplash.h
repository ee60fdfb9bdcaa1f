#pragma once
// The splash window: the program's title and version; after 500 ms it gives
// way to the lookup window.
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Shape.h"
#include "forms/Timer.h"

namespace dictionary {

class frmSplash : public forms::Form {
public:
    frmSplash();

    forms::Label* lblTitle = nullptr;
    forms::Label* lblSubtitle = nullptr;
    forms::Label* lblVersion = nullptr;
    forms::Label* lblPlatform = nullptr;
    forms::Label* lblMaker = nullptr;
    forms::Label* lblBase = nullptr;
    forms::Shape* shpFrame = nullptr;
    forms::Timer* Timer1 = nullptr;

    void Timer1_Timer();

protected:
    void createControls() override;
    void onLoad() override;
};

}  // namespace dictionary
