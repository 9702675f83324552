#pragma once
// The panel of the aircraft information sheets: "Индивидуальные настройки
// отчета" (chkTune), the sheet size (rbtA4, rbtA5), each saved under its own
// section and key, and the tree of aircraft; picking an aircraft makes the
// sheet at once, and changing an option makes it again for the aircraft
// picked. The sheet itself is the derived frame's FunReport().
#include "frames/AircraftGrid.h"
#include "shell/PlanFrame.h"

class QCheckBox;
class QRadioButton;

namespace plan::frames {
class AircraftTree;
}

namespace plan::sheets {

class TunedSheetFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    // Where the options are saved, and chkTune's value when nothing is saved.
    struct Keys {
        const char* tuneSection;
        const char* tuneKey;
        bool tuneDefault;
        const char* sizeSection;
        const char* sizeKey;
    };
    explicit TunedSheetFrame(const Keys& keys);

    void FunStart() override;
    // True once an aircraft has been picked.
    bool chosen() const { return m_chosen; }

protected:
    bool tuned() const;
    bool a4() const;
    const frames::AircraftRef& aircraft() const { return m_aircraft; }

    frames::AircraftTree* TreeView = nullptr;
    QCheckBox* chkTune = nullptr;
    QRadioButton* rbtA4 = nullptr;
    QRadioButton* rbtA5 = nullptr;

private:
    void storeAndRemake(const char* section, const char* key, bool value);
    void fitHeight();

    Keys m_keys;
    frames::AircraftRef m_aircraft;
    bool m_chosen = false;
};

} // namespace plan::sheets
