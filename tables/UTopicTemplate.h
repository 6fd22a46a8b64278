#pragma once

#include "controls/LbButton.h"
#include "grid/DudOder.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StdCtrls.h"

// "Set Template": edits the text of one template cell of the MQTT topic
// tables, with the list of template keywords below it. The caller fills
// RE_TopicTemplate before showing it and takes its text back after OK.
class TFTopicTemplate : public TForm {
public:
    explicit TFTopicTemplate(TComponent* owner);
    ~TFTopicTemplate() override;

    void FormCreate(TComponent* Sender);
    // Captions by TopicTemplate, the keyword list, the focus in the editor.
    void FormShow(TComponent* Sender);
    void Set_Lang();
    // Keywords editable, their descriptions read-only; one empty row when
    // there is none.
    void Laod_Keywords();

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* Panel1 = nullptr;
    TRichEdit* RE_TopicTemplate = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* P_Legend = nullptr;
    TLabel* L_List_Keywords = nullptr;
    TDudStringGrid* ZUZ_Keywords = nullptr;
    TPanel* P_Button = nullptr;
    TLbButton* Btn_OK = nullptr;
    TLbButton* Btn_Cancel = nullptr;

    // Set by the caller before each showing: 1 for a Template cell.
    int32_t TopicTemplate = 0;
    int32_t Working_Mode = 0;
    // 0 for a publish cell, 1 for a subscribe cell.
    int32_t Pub_Sub = 0;
};

extern TFTopicTemplate* FTopicTemplate;
