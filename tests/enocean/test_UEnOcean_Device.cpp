#include "EnOceanTest.h"

#include "enocean/UEnOcean_SetAccess.h"
#include "enocean/UEnOcean_Variable_SAck.h"

namespace {

class DeviceDialogTest : public EnOceanTest {
protected:
    TFEnOcean_Device& Dialog() { return *FEnOcean_Device; }
};

TEST_F(DeviceDialogTest, TheIdentifierMustBeAnIntegerFrom0To4294967296)
{
    const struct {
        const char* id;
        bool accepted;
    } cases[] = {
        { "0", true },
        { "4294967296", true },
        { "0x1A", true },
        { "$ff", true },
        { "  12", true },
        { "00017", true },
        { "4294967297", false },
        { "0x100000001", false },
        { "-1", false },
        { "", false },
        { "abc", false },
        { "12 ", false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.id);
        FServices.Clear();
        TFEnOcean_Device& dialog = Dialog();
        dialog.SetModalResult(mrNone);
        dialog.FormShow(&dialog);
        dialog.E_DevEnOcean_ID->SetText(String::fromLatin1(entry.id));
        dialog.Btn_OK->Click();
        EXPECT_EQ(dialog.ModalResult(), entry.accepted ? mrOk : mrNone);
        const std::vector<String> refusal { Str(u"Error!! Device ID must be between 0 and 4294967296") };
        EXPECT_EQ(FServices.Messages(), entry.accepted ? std::vector<String> {} : refusal);
        EXPECT_EQ(dialog.E_DevEnOcean_ID->Text(), String::fromLatin1(entry.id));
    }
}

TEST_F(DeviceDialogTest, TheSecurityTypeShowsItsFieldsAndSetsTheHeight)
{
    TFEnOcean_Device& dialog = Dialog();
    dialog.FormShow(&dialog);
    const struct {
        int32_t type;
        int32_t height;
        bool key;
        bool others;
    } cases[] = {
        { 2, 409, true, true },
        { 0, 185, false, false },
        { 1, 216, true, false },
        { 2, 409, true, true },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.type);
        Choose(dialog.CB_DevEnOcean_SecType, entry.type);
        EXPECT_EQ(dialog.ClientHeight(), entry.height);
        EXPECT_EQ(dialog.ClientWidth(), 380);
        EXPECT_EQ(dialog.E_DevEnOcean_Secure_Key->Visible(), entry.key);
        EXPECT_EQ(dialog.L_DevEnOcean_Secure_Key->Visible(), entry.key);
        for (TControl* control : std::initializer_list<TControl*> { dialog.E_DevEnOcean_Secure_RollCode, dialog.CB_DevEnOcean_Secure_RollCodeAlg,
                 dialog.CB_DevEnOcean_Secure_RollCodeTx, dialog.CB_DevEnOcean_Secure_CMACAlg, dialog.CB_DevEnOcean_Secure_DataEnc,
                 dialog.CB_DevEnOcean_Secure_PTM, dialog.L_DevEnOcean_Secure_PTM })
            EXPECT_EQ(control->Visible(), entry.others) << control->Name().toStdString();
        // The buttons stay in view at the bottom.
        EXPECT_EQ(dialog.P_Button->Top() + dialog.P_Button->Height(), entry.height);
    }
}

TEST_F(DeviceDialogTest, TheFixedListsAndLimitsAreThoseOfTheDevice)
{
    const TFEnOcean_Device& dialog = Dialog();
    const struct {
        const TComboBox* list;
        std::vector<const char16_t*> entries;
    } lists[] = {
        { dialog.CB_DevEnOcean_SecType, { u"Unsecure", u"Secure Pre Shared Key", u"Secure with Manual Setting" } },
        { dialog.CB_DevEnOcean_Secure_RollCodeAlg, { u"No RLC algorithm", u"16-bit", u"24-bit" } },
        { dialog.CB_DevEnOcean_Secure_RollCodeTx, { u"No", u"Yes" } },
        { dialog.CB_DevEnOcean_Secure_CMACAlg, { u"No MAC", u"AES128 - 3 bytes", u"AES128 - 4 bytes" } },
        { dialog.CB_DevEnOcean_Secure_DataEnc, { u"No data encryption", u"VAES - AES128", u"AES - CBC - AES128" } },
        { dialog.CB_DevEnOcean_Secure_PTM, { u"No PTM", u"PTM" } },
    };
    for (const auto& entry : lists) {
        SCOPED_TRACE(entry.list->Name().toStdString());
        ASSERT_EQ(entry.list->Items().Count(), static_cast<int32_t>(entry.entries.size()));
        for (int32_t index = 0; index < entry.list->Items().Count(); ++index)
            EXPECT_EQ(entry.list->Items()[index], Str(entry.entries[static_cast<size_t>(index)]));
        EXPECT_EQ(entry.list->ItemIndex(), 0);
    }
    EXPECT_EQ(dialog.E_DevEnOcean_Secure_Key->MaxLength(), 16);
    EXPECT_EQ(dialog.E_DevEnOcean_Secure_RollCode->MaxLength(), 16);
    EXPECT_EQ(dialog.E_DevEnOcean_ID->MaxLength(), 0);
    EXPECT_EQ(dialog.L_SW_Code->Caption(), Str(u"SC-TX209"));
    EXPECT_EQ(dialog.L_DevEnOcean_Secure_DataEnc->Caption(), Str(u"Data Encripted"));
    EXPECT_EQ(dialog.CB_DevEnOcean_Secure_PTM->Hint(), Str(u"Select the PTM"));
}

} // namespace

TEST_F(DeviceDialogTest, EscCancelsEveryEnOceanDialog)
{
    const struct {
        const char* name;
        TForm* form;
    } dialogs[] = {
        { "device", FEnOcean_Device },
        { "variable", FEnOcean_Variable },
        { "Smart ACK variable", FEnOcean_Variable_SAck },
        { "editor", FEnOcean_SetAccess2 },
        { "first editor", FEnOcean_SetAccess },
    };
    for (const auto& entry : dialogs) {
        SCOPED_TRACE(entry.name);
        entry.form->SetModalResult(mrNone);
        EXPECT_NE(entry.form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0), 0);
        EXPECT_EQ(entry.form->ModalResult(), mrCancel);
    }
}
