#include "window/FormFixture.h"

#include <QAction>

using namespace Qt::Literals::StringLiterals;

using SlotMouseTest = FormTest;

// A double-click and the menu's "Auswahl speichern" store the day's slots
// as Enter does; the mouse's own selection is what they store.
TEST_F(SlotMouseTest, DoubleClickAndMenuStoreWhatEnterStores)
{
    LoadForm(Line(u"A"_s, 1));
    ShowActive();
    const auto storeBy = [&](const std::function<void()>& store) {
        form->Courses[0].Times = u"11110000000000000000"_s;
        form->List1->SetListIndex(2);
        for (int slot = 0; slot < 4; ++slot)
            form->List2->SetSelected(slot, slot == 1);
        store();
        return form->Courses[0].Times;
    };
    const QString byEnter = storeBy([&] { QTest::keyClick(form->List2, Qt::Key_Return); });
    EXPECT_EQ(byEnter, u"11110000010000000000"_s);
    EXPECT_EQ(storeBy([&] { form->List2->actions().constFirst()->trigger(); }), byEnter);
    const QPoint slot1 = form->List2->visualItemRect(form->List2->item(1)).center();
    const auto doubleClick = [&] {
        // A double-click's first click selects that slot alone.
        QTest::mouseClick(form->List2->viewport(), Qt::LeftButton, {}, slot1);
        QTest::mouseDClick(form->List2->viewport(), Qt::LeftButton, {}, slot1);
    };
    EXPECT_EQ(storeBy(doubleClick), byEnter);
    EXPECT_EQ(form->List2->toolTip(), u"Eingabe oder Doppelklick speichert die Auswahl"_s);
}
