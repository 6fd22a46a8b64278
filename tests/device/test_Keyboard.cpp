#include "DeviceTest.h"

#include "platform/ui/Forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class KeyboardTest : public DeviceTest {
protected:
    static void Press(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(focus, &release);
        Application->ProcessMessages();
    }
    static void Type(const char* text)
    {
        for (const char* character = text; *character; ++character)
            Press(*character == '.' ? Qt::Key_Period : static_cast<Qt::Key>(Qt::Key_0 + (*character - '0')), QString(QChar(*character)));
    }
    static String Focused_Name() { return Screen->ActiveControl() ? Screen->ActiveControl()->Name() : String(); }
};

} // namespace

TEST_F(KeyboardTest, TabRunsThroughThePanelsInOrderThenTheButtons)
{
    FParGen->FormShow(FParGen);
    FParGen->Show();
    Application->ProcessMessages();
    const char* const expected[] = {
        "E_EthConn_Device_Name", "CB_EthConn_En_DHCP_Cable", "CB_EthConn_Enable_DNS",
        "E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2", "E_EthConn_Pri_DNS_IP3", "E_EthConn_Pri_DNS_IP4",
        "E_EthConn_Sec_DNS_IP1", "E_EthConn_Sec_DNS_IP2", "E_EthConn_Sec_DNS_IP3", "E_EthConn_Sec_DNS_IP4",
        "CB_NMEA2000_Baudrate", "E_NMEA2000_TimeOut", "CB_NMEA2000_Peer_To_Peer",
        "E_Ethernet_IP1", "E_Ethernet_IP2", "E_Ethernet_IP3", "E_Ethernet_IP4",
        "E_Ethernet_SM1", "E_Ethernet_SM2", "E_Ethernet_SM3", "E_Ethernet_SM4", "CB_Ethernet_En_GAT",
        "E_Ethernet_GAT1", "E_Ethernet_GAT2", "E_Ethernet_GAT3", "E_Ethernet_GAT4", "Btn_OK", "Btn_Cancel",
    };
    std::vector<String> walked { Focused_Name() };
    for (size_t step = 1; step < std::size(expected); ++step) {
        Press(Qt::Key_Tab);
        walked.push_back(Focused_Name());
    }
    std::vector<String> names;
    for (const char* name : expected)
        names.push_back(String::fromLatin1(name));
    EXPECT_EQ(walked, names);
    FParGen->Hide();
}

TEST_F(KeyboardTest, TypedDotsNeverEnterAnOctet)
{
    FParGen->FormShow(FParGen);
    FParGen->Show();
    Application->ProcessMessages();
    FParGen->Key_Edit(pkIP1)->SetFocus();
    FParGen->Key_Edit(pkIP1)->SetText(String());
    Application->ProcessMessages();
    Type("1.2");
    EXPECT_EQ(FParGen->Key_Edit(pkIP1)->Text(), Str(u"12"));
    FParGen->Key_Edit(pkPrimary_DNS1)->SetFocus();
    FParGen->Key_Edit(pkPrimary_DNS1)->SetText(String());
    Application->ProcessMessages();
    Type("9.7");
    EXPECT_EQ(FParGen->Key_Edit(pkPrimary_DNS1)->Text(), Str(u"9"));
    EXPECT_EQ(Focused_Name(), Str(u"E_EthConn_Pri_DNS_IP2"));
    FParGen->Hide();

    FBoot->Form_Type = 1;
    Device_IP.clear();
    FBoot->Show();
    Application->ProcessMessages();
    EXPECT_EQ(Focused_Name(), Str(u"E_IP1"));
    FBoot->E_IP[0]->SetText(String());
    Type("10.");
    EXPECT_EQ(FBoot->E_IP[0]->Text(), Str(u"10"));
    EXPECT_EQ(Focused_Name(), Str(u"E_IP2"));
    FBoot->Hide();
}

TEST_F(KeyboardTest, APickListChangesItsEntryWithHomeEndAndArrowsWithoutOpening)
{
    FParGen->FormShow(FParGen);
    FParGen->Show();
    Application->ProcessMessages();
    TComboBox* list = FParGen->CB_NMEA2000_Baudrate;
    list->SetFocus();
    Application->ProcessMessages();
    const struct {
        Qt::Key Key;
        int32_t Index;
    } steps[] = { { Qt::Key_Home, 0 }, { Qt::Key_Down, 1 }, { Qt::Key_End, 9 }, { Qt::Key_Up, 8 } };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Index);
        Press(step.Key);
        EXPECT_EQ(list->ItemIndex(), step.Index);
        EXPECT_FALSE(list->DroppedDown());
    }
    EXPECT_TRUE(FParGen->Is_Change);
    FParGen->Hide();
}

TEST_F(KeyboardTest, EscapeCancelsTheDialogsFromTheirFirstField)
{
    FBoot->Form_Type = 1;
    for (TForm* dialog : std::initializer_list<TForm*> { FNew_Project, FOpenConf, FParGen, FBoot }) {
        SCOPED_TRACE(dialog->Name().toStdString());
        dialog->SetModalResult(mrNone);
        dialog->Show();
        Application->ProcessMessages();
        Press(Qt::Key_Escape);
        EXPECT_EQ(dialog->ModalResult(), mrCancel);
        dialog->Hide();
        Application->ProcessMessages();
    }
}
