#include "device/UParGen.h"

#include "app/UComon.h"
#include "app/UDialog_Title.h"
#include "app/lang/ULanguage.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Messages.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/UiServices.h"

#include <algorithm>

TFParGen* FParGen = nullptr;

namespace {

constexpr int32_t Client_Width = 460;
constexpr int32_t Client_Height = 700;
constexpr int32_t Box_Height = 17;
constexpr int32_t Label_Height = 16;

// The controls of the ParGen.xml keys, in the keys' order.
constexpr const char* Key_Control_Names[ParGen_Key_Count] = {
    "E_EthConn_Device_Name", "CB_EthConn_En_DHCP_Cable", "CB_EthConn_En_DHCP_WiFi", "CB_EthConn_Enable_DNS",
    "E_EthConn_Pri_DNS_IP1", "E_EthConn_Pri_DNS_IP2", "E_EthConn_Pri_DNS_IP3", "E_EthConn_Pri_DNS_IP4",
    "E_EthConn_Sec_DNS_IP1", "E_EthConn_Sec_DNS_IP2", "E_EthConn_Sec_DNS_IP3", "E_EthConn_Sec_DNS_IP4",
    "E_Ethernet_IP1", "E_Ethernet_IP2", "E_Ethernet_IP3", "E_Ethernet_IP4",
    "E_Ethernet_SM1", "E_Ethernet_SM2", "E_Ethernet_SM3", "E_Ethernet_SM4",
    "E_Ethernet_GAT1", "E_Ethernet_GAT2", "E_Ethernet_GAT3", "E_Ethernet_GAT4",
    "CB_Ethernet_En_GAT", "CB_NMEA2000_Baudrate", "E_NMEA2000_TimeOut", "CB_NMEA2000_Peer_To_Peer",
};

constexpr int32_t Device_Name_Length = 31;

template <typename T>
T* New_Control(TFParGen* form, TWinControl* parent, const String& name)
{
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetShowHint(true);
    return control;
}

bool Is_Address_Rule(TPanel_Rule rule)
{
    return rule == TPanel_Rule::Ethernet || rule == TPanel_Rule::Address || rule == TPanel_Rule::BACnet_Slave;
}

} // namespace

TFParGen::TFParGen(TComponent* owner) : TForm(owner)
{
    Set_Window_Look(this, "FParGen");
    P_Title = New_Title_Band(this, L_SW_Code, L_SW_Desc);
    P_Button = New_Button_Band(this);
    P_Title->SetWidth(Client_Width);
    P_Button->SetWidth(Client_Width);
    Btn_OK = New_Band_Button(P_Button, "Btn_OK", 108, mrNone);
    Btn_OK->OnClick = [this](TComponent* sender) { Btn_OKClick(sender); };
    Btn_Cancel = New_Band_Button(P_Button, "Btn_Cancel", 12, mrNone);
    Btn_Cancel->SetCancel(true);
    Btn_Cancel->OnClick = [this](TComponent* sender) { Btn_CancelClick(sender); };

    CPG = new TCategoryPanelGroup(this);
    CPG->SetName(QStringLiteral("CPG"));
    CPG->SetParent(this);
    CPG->SetAlign(alClient);
    // Tab follows the dialog from top to bottom: the panels before the buttons.
    CPG->SetTabOrder(P_Button->TabOrder());
    for (int32_t panel = 0; panel < Panel_Count; ++panel)
        Create_Panel(panel);
    for (int32_t key = 0; key < ParGen_Key_Count; ++key)
        FKey_Controls[key] = dynamic_cast<TWinControl*>(FindComponent(String::fromLatin1(Key_Control_Names[key])));
    CB_NMEA2000_Baudrate = Combo("CB_NMEA2000_Baudrate");
    CB_NMEA2000_Baudrate->SetStyle(csDropDownList);
    for (int32_t index = 0; index < Baudrate_Count; ++index)
        CB_NMEA2000_Baudrate->Items().Add(String::fromLatin1(Baudrate_Name(index)));
    Key_Edit(pkDevice_Name)->SetMaxLength(Device_Name_Length);
    for (int32_t key = pkPrimary_DNS1; key < pkIP1; ++key)
        FDNS_Octets.push_back(Key_Edit(key));

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
    OnResize = [this](TComponent* sender) { FormResize(sender); };
    OnMouseWheel = [this](TComponent* sender, TShiftState shift, int32_t delta, TPoint pos, bool& handled) {
        FormMouseWheel(sender, shift, delta, pos, handled);
    };
}

TFParGen::~TFParGen()
{
    if (FParGen == this)
        FParGen = nullptr;
}

void TFParGen::Create_Panel(int32_t panel)
{
    TCategory& category = FPanels[panel];
    category.Info = &Panel_Info(panel);
    category.Panel = New_Control<TCategoryPanel>(this, CPG, String::fromLatin1(category.Info->Name));
    category.Panel->SetShowHint(false);
    category.Panel->SetVisible(false);
    const auto changed = [this](TComponent* sender) { On_Change(sender); };
    const auto clicked = [this](TComponent* sender) { On_Click(sender); };
    const auto add_edit = [&](TPanel_Row& row, const String& name) {
        auto* edit = New_Control<TEdit>(this, category.Panel, name);
        edit->OnChange = changed;
        row.Inputs.push_back(edit);
        return edit;
    };
    for (const TRow_Info& info : category.Info->Rows) {
        TPanel_Row row;
        row.Info = &info;
        const String label = String::fromLatin1(info.Label);
        const bool boxed = info.Kind == TRow_Kind::Box || info.Kind == TRow_Kind::Box_Octets || info.Kind == TRow_Kind::Box_Edit;
        if (boxed) {
            auto* box = New_Control<TCheckBox>(this, category.Panel, label);
            box->OnClick = clicked;
            row.Label = box;
        } else {
            row.Label = New_Control<TLabel>(this, category.Panel, label);
        }
        switch (info.Kind) {
        case TRow_Kind::Edit:
        case TRow_Kind::Box_Edit:
            add_edit(row, String::fromLatin1(info.Input));
            break;
        case TRow_Kind::Combo: {
            auto* combo = New_Control<TComboBox>(this, category.Panel, String::fromLatin1(info.Input));
            combo->SetStyle(csDropDownList);
            for (const char* entry : Pick_List_Entries(info.Input))
                combo->Items().Add(String::fromLatin1(entry));
            if (combo->Items().Count() > 0)
                combo->SetItemIndex(0);
            combo->OnChange = changed;
            combo->OnSelect = changed;
            row.Inputs.push_back(combo);
            break;
        }
        case TRow_Kind::Octets:
        case TRow_Kind::Box_Octets:
            for (int32_t octet = 1; octet <= 4; ++octet) {
                TEdit* edit = add_edit(row, String::fromLatin1(info.Input) + String::number(octet));
                edit->OnKeyPress = [this](TComponent* sender, TChar& key) { KeyPress(sender, key); };
                if (octet < 4) {
                    auto* dot = New_Control<TLabel>(this, category.Panel, String());
                    dot->SetCaption(QStringLiteral("."));
                    row.Dots.push_back(dot);
                }
            }
            break;
        case TRow_Kind::Box:
            break;
        }
        category.Rows.push_back(std::move(row));
    }
    Reflow(category);
}

TCheckBox* TFParGen::Box(const char* name) const { return dynamic_cast<TCheckBox*>(FindComponent(String::fromLatin1(name))); }

TComboBox* TFParGen::Combo(const char* name) const { return dynamic_cast<TComboBox*>(FindComponent(String::fromLatin1(name))); }

void TFParGen::FormCreate(TComponent*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    for (TCategory& category : FPanels)
        category.Panel->SetVisible(false);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels(int32_t model)
{
    FModel = model;
    const TLang_Texts& texts = Lang_Texts();
    // The group keeps its panels in the order of their tops: place them all
    // before any is shown.
    int32_t top = 0;
    for (const TPanel_Id id : Model_Panels(model)) {
        FPanels[id].Panel->SetTop(top);
        top += FPanels[id].Panel->Height();
    }
    int32_t position = 0;
    for (const TPanel_Id id : Model_Panels(model)) {
        TCategoryPanel* panel = FPanels[id].Panel;
        panel->SetVisible(true);
        panel->SetCaption(QStringLiteral("%1. ").arg(position + 1) + texts[FPanels[id].Info->Heading]);
        panel->SetTabOrder(position++);
    }
}

void TFParGen::Move_GroupBoxs()
{
    for (const TPanel_Id id : Model_Panels(FModel))
        Apply_Rule(FPanels[id]);
}

void TFParGen::Apply_Rule(TCategory& category)
{
    const bool dhcp = Key_Box(pkDHCP_Cable)->Checked();
    const bool bacnetIP = Combo("CB_BACnet_Slave_Type")->ItemIndex() == 0;
    const bool tls = Box("CB_TLS_Enable")->Checked();
    for (TPanel_Row& row : category.Rows) {
        switch (row.Info->Group) {
        case TRow_Group::Always:
        case TRow_Group::Address:
            row.Shown = true;
            break;
        case TRow_Group::Hidden:
            row.Shown = false;
            break;
        case TRow_Group::Will:
            row.Shown = Box("CB_MQTT_WillFlag")->Checked();
            break;
        case TRow_Group::TLS:
            row.Shown = tls;
            break;
        case TRow_Group::Server_Cert:
            row.Shown = tls && Box("CB_TLS_En_Server_Auth")->Checked();
            break;
        case TRow_Group::Client_Cert:
            row.Shown = tls && Box("CB_TLS_En_Client_Auth")->Checked();
            break;
        case TRow_Group::BACnet_IP:
            row.Shown = bacnetIP;
            break;
        case TRow_Group::BACnet_MSTP:
            row.Shown = !bacnetIP;
            break;
        }
        const bool addressRow = row.Info->Kind == TRow_Kind::Octets || row.Info->Kind == TRow_Kind::Box_Octets;
        if (addressRow && Is_Address_Rule(category.Info->Rule)) {
            // DHCP gives the address: the octets and the gateway box wait for it;
            // the gateway octets do not follow their own box.
            for (TWinControl* input : row.Inputs)
                input->SetEnabled(!dhcp);
            if (row.Info->Kind == TRow_Kind::Box_Octets)
                row.Label->SetEnabled(!dhcp);
        }
    }
    if (category.Info->Rule == TPanel_Rule::Ethernet_Connection)
        Key_Box(pkDHCP_WiFi)->SetEnabled(false);
    Reflow(category);
    if (category.Info->Rule == TPanel_Rule::BACnet_Slave) {
        const auto panels = Model_Panels(FModel);
        if (std::find(panels.begin(), panels.end(), cpEthernet) != panels.end())
            FPanels[cpEthernet].Panel->SetVisible(!bacnetIP);
    }
}

void TFParGen::Reflow(TCategory& category)
{
    const int32_t header = CPG->HeaderHeight();
    int32_t top = Row_First_Top;
    int32_t bottom = 0;
    const TPanel_Row* previous = nullptr;
    for (TPanel_Row& row : category.Rows) {
        row.Label->SetVisible(row.Shown);
        for (TWinControl* input : row.Inputs)
            input->SetVisible(row.Shown);
        for (TLabel* dot : row.Dots)
            dot->SetVisible(row.Shown);
        if (!row.Shown)
            continue;
        // The client authentication box keeps its distance from the server
        // certificate's edit, which stands 3 pixels above its label.
        if (previous && previous->Info->Group == TRow_Group::Server_Cert)
            top -= 3;
        previous = &row;
        const bool boxed = row.Inputs.empty() || dynamic_cast<TCheckBox*>(row.Label) != nullptr;
        row.Label->SetBounds(Row_Label_Left, header + top, Row_Input_Left - Row_Label_Left - 4, boxed ? Box_Height : Label_Height);
        if (row.Inputs.empty())
            row.Label->SetWidth(Row_Input_Left + Row_Input_Width - Row_Label_Left);
        const int32_t inputTop = top - 3;
        if (row.Inputs.size() == 4) {
            for (int32_t octet = 0; octet < 4; ++octet)
                row.Inputs[octet]->SetBounds(Row_Input_Left + octet * Octet_Step, header + inputTop, Octet_Width, Row_Input_Height);
            for (int32_t dot = 0; dot < 3; ++dot)
                row.Dots[dot]->SetBounds(Row_Input_Left + dot * Octet_Step + Octet_Width + 2, header + top, 3, Label_Height);
        } else if (!row.Inputs.empty()) {
            row.Inputs[0]->SetBounds(Row_Input_Left, header + inputTop, Row_Input_Width, Row_Input_Height);
        }
        bottom = row.Inputs.empty() ? top + Box_Height : inputTop + Row_Input_Height;
        top += Row_Step;
    }
    category.Panel->SetHeight(bottom + header + Panel_Bottom_Margin);
}

TParGen_Values TFParGen::Values() const
{
    TParGen_Values values;
    for (int32_t key = 0; key < ParGen_Key_Count; ++key) {
        switch (ParGen_Key(key).Kind) {
        case TParGen_Kind::Text:
            values[key] = Key_Edit(key)->Text();
            break;
        case TParGen_Kind::Box:
            values[key] = Key_Box(key)->Checked() ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case TParGen_Kind::Index:
            values[key] = IntToStr(CB_NMEA2000_Baudrate->ItemIndex());
            break;
        }
    }
    return values;
}

void TFParGen::Set_Values(const TParGen_Values& values)
{
    for (int32_t key = 0; key < ParGen_Key_Count; ++key) {
        switch (ParGen_Key(key).Kind) {
        case TParGen_Kind::Text:
            Key_Edit(key)->SetText(values[key]);
            break;
        case TParGen_Kind::Box:
            Key_Box(key)->SetChecked(values[key] == u"1");
            break;
        case TParGen_Kind::Index:
            CB_NMEA2000_Baudrate->SetItemIndex(StrToIntDef(values[key], Default_Baudrate_Index));
            break;
        }
    }
}

void TFParGen::FormShow(TComponent*)
{
    TParGen_Values values = Default_ParGen_Values();
    if (FileExists(File_ParGen)) {
        try {
            Load_ParGen(XML1, File_ParGen, values);
        } catch (const Exception& error) {
            // Never the values of an earlier showing, which may belong to
            // another project: the defaults, as for a project without the file.
            MessageDlg(error.Message(), mtError, mbOKOnly);
        }
    }
    Set_Values(values);
    Is_Change = false;
    Move_GroupBoxs();
}

bool TFParGen::Controllo_Dati()
{
    const int32_t failure = ParGen_Check_Failure(Values());
    if (failure == 0)
        return true;
    MessageDlg(Lang_Texts()[failure], mtError, mbOKOnly);
    return false;
}

void TFParGen::Btn_OKClick(TComponent*)
{
    if (!Controllo_Dati())
        return;
    try {
        Save_ParGen(XML1, File_ParGen, Values());
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TComponent*)
{
    if (Is_Change
        && MessageDlg(QStringLiteral("The communication parameters have changed. Leave and discard the changes?"), mtConfirmation,
               mbYesNo) != mrYes)
        return;
    SetModalResult(mrCancel);
}

void TFParGen::On_Change(TComponent* Sender)
{
    Is_Change = true;
    if (Sender == Combo("CB_BACnet_Slave_Type"))
        Move_GroupBoxs();
}

void TFParGen::On_Click(TComponent* Sender)
{
    Is_Change = true;
    for (const char* name : { "CB_EthConn_En_DHCP_Cable", "CB_EthConn_En_DHCP_WiFi", "CB_MQTT_WillFlag", "CB_TLS_Enable",
             "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth" })
        if (Sender == Box(name)) {
            Move_GroupBoxs();
            return;
        }
}

void TFParGen::KeyPress(TComponent* Sender, TChar& Key)
{
    if (Key != u'.')
        return;
    Key = 0;
    for (size_t index = 0; index + 1 < FDNS_Octets.size(); ++index)
        if (Sender == FDNS_Octets[index] && FDNS_Octets[index + 1]->CanFocus())
            FDNS_Octets[index + 1]->SetFocus();
}

void TFParGen::FormMouseWheel(TComponent*, TShiftState, int32_t WheelDelta, TPoint MousePos, bool& Handled)
{
    const TPoint point = CPG->ScreenToClient(MousePos);
    const TRect client = CPG->ClientRect();
    if (point.X < client.Left || point.X >= client.Right || point.Y < client.Top || point.Y >= client.Bottom)
        return;
    Handled = true;
    // A setting of whole pages reads as -1 here and scrolls nothing.
    const auto lines = static_cast<int32_t>(WheelScrollLines());
    for (int32_t line = 0; line < lines; ++line) {
        SendMessage(CPG, WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
        SendMessage(CPG, WM_VSCROLL, SB_ENDSCROLL);
    }
}

void TFParGen::FormResize(TComponent*)
{
    if (ClientWidth() != Client_Width)
        SetClientWidth(Client_Width);
}

void TFParGen::Set_Lang()
{
    const TLang_Texts& texts = Lang_Texts();
    SetCaption(texts[400]);
    L_SW_Desc->SetCaption(texts[401]);
    Btn_OK->SetCaption(texts[402]);
    Btn_Cancel->SetCaption(texts[403]);
    Btn_OK->SetHint(texts[404]);
    Btn_Cancel->SetHint(texts[405]);
    for (TCategory& category : FPanels) {
        for (TPanel_Row& row : category.Rows) {
            const TRow_Info& info = *row.Info;
            row.Label->SetCaption(texts[info.Caption]);
            const bool boxed = dynamic_cast<TCheckBox*>(row.Label) != nullptr;
            if (boxed)
                row.Label->SetHint(texts[info.Hint]);
            const int32_t firstHint = boxed ? info.Input_Hint : info.Hint;
            for (size_t input = 0; input < row.Inputs.size(); ++input)
                row.Inputs[input]->SetHint(texts[firstHint + static_cast<int32_t>(input)]);
        }
    }
}
