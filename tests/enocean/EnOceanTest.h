#pragma once

#include "enocean/UEnOcean_Catalog.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "enocean/UEnOcean_Variable.h"
#include "tests/app/ShellTest.h"

#include "platform/ui/Messages.h"

#include <ostream>
#include <string>

// Texts in failure reports as text, not as a list of characters.
inline void PrintTo(const QString& text, std::ostream* stream) { *stream << '"' << text.toStdString() << '"'; }

// A catalog of four RORGs in the public order. Its fourth RORG has ten FUNCs
// when smartAck is set, so the Smart ACK dialog finds its profile.
inline std::string Test_Catalog(bool smartAck = true)
{
    const auto field = [](const char* data, int offset, int size) {
        return "<datafield><data>" + std::string(data) + "</data><bitoffs>" + std::to_string(offset) + "</bitoffs><bitsize>"
            + std::to_string(size) + "</bitsize></datafield>";
    };
    std::string vld;
    for (int func = 0; func < (smartAck ? 10 : 3); ++func)
        vld += "<func><number>" + std::to_string(func) + "</number><title>VLD " + std::to_string(func)
            + "</title><type><number>1</number><title>Actuator</title><case><title>Status</title>" + field("Output", 0, 7)
            + field("Error", 8, 1) + field("Channel", 11, 5) + "</case><case><title>Command</title>" + field("Command", 4, 4)
            + "</case></type></func>";
    return "<profile>"
           "<rorg><number>0xF6</number><title>RPS Telegram</title>"
           "<func><number>0x02</number><title>Rocker Switch, 2 Rocker</title>"
           "<type><number>0x01</number><title>Light and Blind Control 1</title>"
           "<case><title>Pressed buttons</title>"
        + field("Rocker 1st action", 0, 3) + field("Energy Bow", 3, 1) + field("Rocker 2nd action", 4, 3)
        + "</case><case><title>Released</title>" + field("Number of buttons", 0, 3) + "</case></type>"
          "<type><number>0x02</number><title>Light and Blind Control 2</title><case><title>Pressed</title>"
        + field("Rocker 1st action", 0, 3) + "</case></type></func>"
          "<func><number>0x10</number><title>Mechanical Handle</title><type><number>0x00</number><title>Window Handle</title>"
          "<case><title>Handle</title>"
        + field("Window handle", 0, 8) + "</case></type></func></rorg>"
          "<rorg><number>0xD5</number><title>1BS Telegram</title><func><number>0x00</number><title>Contacts</title>"
          "<type><number>0x01</number><title>Single Input Contact</title><case><title>Contact</title>"
        + field("Contact", 7, 1) + "</case></type></func></rorg>"
          "<rorg><number>0xA5</number><title>4BS Telegram</title>"
          "<func><number>0x02</number><title>Temperature Sensors</title><type><number>0x05</number><title>0 to 40</title>"
          "<case><title>Temperature</title>"
        + field("Temperature", 16, 8) + "</case></type></func>"
          "<func><number>0x04</number><title>Temperature and Humidity Sensor</title><type><number>0x01</number>"
          "<title>Range 0 to 40 and 0 to 100</title><case><title>Humidity and temperature</title>"
        + field("Humidity", 8, 8) + field("Temperature", 16, 8) + field("T-Sensor", 30, 1) + "</case></type></func></rorg>"
          "<rorg><number>0xD2</number><title>VLD Telegram</title>"
        + vld + "</rorg></profile>";
}

// The main window and its dialogs over the test catalog, with a project open.
class EnOceanTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Start(Test_Catalog());
    }
    // Starts the program with catalog as its eep.xml.
    void Start(const std::string& catalog)
    {
        FExe.Write("CAT_EnOcean/eep.xml", catalog);
        FWindow = Create();
        Answer_New_Project(QStringLiteral("Plant"));
        FWindow->Btn_New->Click();
        ASSERT_TRUE(Project_Is_Open());
    }
    std::string Project_File() const { return FExe.Read("PROJECTS/Plant/EnOcean.xml"); }
    void Write_Project_File(const std::string& text) const { FExe.Write("PROJECTS/Plant/EnOcean.xml", text); }

    // The editor shown as "EnOcean Access" shows it, the script driving it.
    void Open_Editor(const std::function<void(TFEnOcean_SetAccess2&)>& script)
    {
        FServices.AnswerModal([script](TForm& form) {
            auto& editor = dynamic_cast<TFEnOcean_SetAccess2&>(form);
            editor.SetModalResult(mrNone);
            editor.FormShow(&editor);
            script(editor);
            return editor.ModalResult();
        });
        FWindow->Btn_Click(FWindow->Btn_EnOcean_Access);
    }

    // The user picks entry index of a drop-down list with the mouse.
    static void Choose(TComboBox* box, int32_t index)
    {
        box->DropDown();
        TCustomListBox* list = box->DropList();
        ASSERT_NE(list, nullptr);
        const TRect rect = list->ItemRect(index);
        list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(rect.Left + 3, rect.Top + 2));
        list->Perform(WM_LBUTTONUP, 0, MakeLParam(rect.Left + 3, rect.Top + 2));
    }
    static void Click_Item(TListBox* box, int32_t index)
    {
        const TRect rect = box->ItemRect(index);
        box->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(rect.Left + 3, rect.Top + 2));
        box->Perform(WM_LBUTTONUP, 0, MakeLParam(rect.Left + 3, rect.Top + 2));
    }
    static void Click_Node(TTreeView* tree, const TTreeNode* node)
    {
        const TRect rect = node->DisplayRect(true);
        tree->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(rect.Left + 2, rect.Top + 2));
        tree->Perform(WM_LBUTTONUP, 0, MakeLParam(rect.Left + 2, rect.Top + 2));
    }
    // The node of profile eep (and of its variable) in the editor's tree.
    static const TTreeNode* Node(TFEnOcean_SetAccess2& editor, int32_t eep, int32_t variable = -1)
    {
        const TTreeNode* eepNode = editor.TW_UniSmart_EEP->Items().GetFirstNode()->Item(eep);
        return variable < 0 ? eepNode : eepNode->Item(variable);
    }

    // The next device dialog: the identifier typed, the security type and key chosen, OK pressed.
    void Answer_Device(const char* id, int32_t securityType = 0, const char* key = "")
    {
        FServices.AnswerModal([=](TForm& form) {
            auto& dialog = dynamic_cast<TFEnOcean_Device&>(form);
            dialog.SetModalResult(mrNone);
            dialog.FormShow(&dialog);
            dialog.E_DevEnOcean_ID->SetText(String::fromLatin1(id));
            Choose(dialog.CB_DevEnOcean_SecType, securityType);
            dialog.E_DevEnOcean_Secure_Key->SetText(String::fromLatin1(key));
            dialog.Btn_OK->Click();
            return dialog.ModalResult();
        });
    }

    // A profile and a variable of the catalog, by numbers and positions; -1 leaves a list untouched.
    struct TChoice {
        int32_t Rorg = -1;
        int32_t Func = -1;
        int32_t Type = -1;
        int32_t Case = -1;
        int32_t Field = -1;
        const char* Position = nullptr;
        int32_t BitStart = -1;
    };
    static void Make_Choice(TFEnOcean_Variable& dialog, const TChoice& choice)
    {
        const TCatalog_EnOcean& catalog = *EEP_Catalog;
        if (choice.Rorg >= 0)
            Choose(dialog.CB_EEP_Rorg, catalog.Get_RorgNum_Index(choice.Rorg));
        if (choice.Func >= 0)
            Choose(dialog.CB_EEP_Func, catalog.Get_FuncNum_Index(choice.Rorg, choice.Func));
        if (choice.Type >= 0)
            Choose(dialog.CB_EEP_Type, catalog.Get_TypeNum_Index(choice.Rorg, choice.Func, choice.Type));
        if (choice.Case >= 0)
            Choose(dialog.CB_Var_Case, choice.Case);
        if (choice.Field >= 0)
            Choose(dialog.CB_Var_Variable, choice.Field);
        if (choice.Position)
            dialog.E_Var_Position->SetText(String::fromLatin1(choice.Position));
        if (choice.BitStart >= 0)
            Choose(dialog.CB_Var_BitStart, choice.BitStart);
    }
    // The next variable dialog: the choice made, OK pressed; a refused OK cancels.
    void Answer_Variable(const TChoice& choice)
    {
        FServices.AnswerModal([choice](TForm& form) {
            auto& dialog = dynamic_cast<TFEnOcean_Variable&>(form);
            dialog.SetModalResult(mrNone);
            dialog.FormShow(&dialog);
            Make_Choice(dialog, choice);
            dialog.Btn_OK->Click();
            return dialog.ModalResult() == mrOk ? mrOk : mrCancel;
        });
    }

    std::unique_ptr<TFTrelvadoreFirmWare> FWindow;
};
