#pragma once

#include "platform/core/StringList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TXMLChildValues;
class TXMLNode;

// The long texts of one read of a catalog, copied into blocks shared by the
// entries: keeping one costs neither an allocation nor a release of its own.
class TCatalog_Texts {
public:
    TCatalog_Texts() = default;
    TCatalog_Texts(const TCatalog_Texts&) = delete;
    TCatalog_Texts& operator=(const TCatalog_Texts&) = delete;

    // The bytes' copy, valid as long as the store.
    std::string_view Keep(std::string_view bytes);

private:
    std::vector<std::unique_ptr<char[]>> FBlocks;
    char* FFree = nullptr;
    size_t FFree_Size = 0;
};

// A long text of the catalog kept as read, in UTF-8, and made into text only
// when asked for.
class TKept_Text {
public:
    TKept_Text() = default;
    TKept_Text(const std::shared_ptr<TCatalog_Texts>& store, std::string_view bytes);
    explicit TKept_Text(const String& text);

    String Text() const;

private:
    std::shared_ptr<const TCatalog_Texts> FStore;
    std::string_view FBytes;
};

class TDataField {
public:
    // False for a reserved field (one holding a "reserved" element) and when
    // one of its values cannot be read as text; the caller drops it then. Its
    // long texts go into the store.
    bool Read_DataField_XML(const TXMLNode& element, const std::shared_ptr<TCatalog_Texts>& texts);
    // The same from the values of its children, found as Field_Values finds them.
    bool Read_DataField_Values(const TXMLChildValues& values, const std::shared_ptr<TCatalog_Texts>& texts);

    const String& Data() const { return FData; }
    void SetData(const String& value) { FData = value; }
    const String& Shortcut() const { return FShortcut; }
    void SetShortcut(const String& value) { FShortcut = value; }
    // The long texts are kept as read and made into text only when asked for:
    // no dialog shows them, and they are most of a catalog's bytes.
    String Description() const { return FDescription.Text(); }
    void SetDescription(const String& value) { FDescription = TKept_Text(value); }
    String Info() const { return FInfo.Text(); }
    void SetInfo(const String& value) { FInfo = TKept_Text(value); }
    int32_t BitOffs() const { return FBitOffs; }
    void SetBitOffs(int32_t value) { FBitOffs = value; }
    int32_t BitSize() const { return FBitSize; }
    void SetBitSize(int32_t value) { FBitSize = value; }

private:
    String FData;
    String FShortcut;
    TKept_Text FDescription;
    TKept_Text FInfo;
    int32_t FBitOffs = 0;
    int32_t FBitSize = 0;
};

class TCase {
public:
    TCase() = default;
    TCase(const TCase&) = delete;
    TCase& operator=(const TCase&) = delete;

    // Only RorgNum matters: the case identification is read for RORG 246 and 210.
    bool Read_Case_XML(const TXMLNode& element, int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, const std::shared_ptr<TCatalog_Texts>& texts);

    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    int32_t CaseIdSize() const { return FCaseIdSize; }
    void SetCaseIdSize(int32_t value) { FCaseIdSize = value; }
    int32_t CaseIdOffset() const { return FCaseIdOffset; }
    void SetCaseIdOffset(int32_t value) { FCaseIdOffset = value; }
    int32_t CaseId() const { return FCaseId; }
    void SetCaseId(int32_t value) { FCaseId = value; }

    void Add_DataField(std::unique_ptr<TDataField> field);

    std::vector<std::unique_ptr<TDataField>> List_DataField;
    TStringList DataField_SL;

    // A condition starts from no identification; each of its status fields
    // (RORG 246) adds to caseId, each data field (RORG 210) sets the
    // identification. False when a value it needs cannot be read.
    void Start_Condition();
    bool Read_Condition_Field(const TXMLChildValues& values, int32_t RorgNum, uint32_t& caseId);

private:
    bool Read_Condition(const TXMLNode& condition, int32_t RorgNum);

    String FTitle;
    int32_t FCaseIdSize = 0;
    int32_t FCaseIdOffset = 0;
    int32_t FCaseId = 0;
};

class TType {
public:
    TType() = default;
    TType(const TType&) = delete;
    TType& operator=(const TType&) = delete;

    // The type is kept whatever this reports: a failure only ends its reading.
    bool Read_Type_XML(const TXMLNode& element, int32_t RorgNum, int32_t FuncNum, const std::shared_ptr<TCatalog_Texts>& texts);

    int32_t Number() const { return FNumber; }
    void SetNumber(int32_t value) { FNumber = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }

    void Add_Case(std::unique_ptr<TCase> item);

    std::vector<std::unique_ptr<TCase>> List_Case;
    TStringList Case_SL;

private:
    int32_t FNumber = 0;
    String FTitle;
};

class TFunc {
public:
    TFunc() = default;
    TFunc(const TFunc&) = delete;
    TFunc& operator=(const TFunc&) = delete;

    bool Read_Func_XML(const TXMLNode& element, int32_t RorgNum, const std::shared_ptr<TCatalog_Texts>& texts);

    int32_t Number() const { return FNumber; }
    void SetNumber(int32_t value) { FNumber = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }

    void Add_Type(std::unique_ptr<TType> item);

    std::vector<std::unique_ptr<TType>> List_Type;
    TStringList Type_SL;

private:
    int32_t FNumber = 0;
    String FTitle;
};

class TRorg {
public:
    TRorg() = default;
    TRorg(const TRorg&) = delete;
    TRorg& operator=(const TRorg&) = delete;

    bool Read_Rorg_XML(const TXMLNode& element, const std::shared_ptr<TCatalog_Texts>& texts);

    int32_t Number() const { return FNumber; }
    void SetNumber(int32_t value) { FNumber = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }

    void Add_Func(std::unique_ptr<TFunc> item);

    std::vector<std::unique_ptr<TFunc>> List_Func;
    TStringList Func_SL;

private:
    int32_t FNumber = 0;
    String FTitle;
};

class TCatalog_EnOcean {
public:
    TCatalog_EnOcean() = default;
    TCatalog_EnOcean(const TCatalog_EnOcean&) = delete;
    TCatalog_EnOcean& operator=(const TCatalog_EnOcean&) = delete;

    // Appends the profiles of the file (the catalog is not cleared first).
    // False for a missing file or one that is not well-formed XML; Read_Error
    // then says why. An entry that cannot be read is dropped alone.
    bool Read_Cat_EnOcean_XML(const String& fileName);
    // Why the last read failed; empty after a read that succeeded.
    const String& Read_Error() const { return FRead_Error; }

    // Index lookups search only below the first RORG (and FUNC) of a number; -1 if none.
    int32_t Get_RorgNum_Index(int32_t RorgNum) const;
    int32_t Get_FuncNum_Index(int32_t RorgNum, int32_t FuncNum) const;
    int32_t Get_TypeNum_Index(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum) const;
    int32_t Get_DataField_Index(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex, const String& Data) const;

    // These go on through later entries of repeated numbers: first hit in catalog order.
    const TCase* Get_CaseObj(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const;
    String Get_Rorg_Name_Str(int32_t RorgNum) const;
    String Get_Func_Name_Str(int32_t RorgNum, int32_t FuncNum) const;
    String Get_Type_Name_Str(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum) const;
    String Get_Case_Name_Str(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const;

    void Add_Rorg(std::unique_ptr<TRorg> item);

    std::vector<std::unique_ptr<TRorg>> List_Rorg;
    TStringList Rorg_SL;

private:
    // The catalog read in one pass without the file's tree; false, with the
    // catalog unchanged, when the file is left to the tree's reading.
    bool Stream_Catalog(const String& fileName);
    const TRorg* First_Rorg(int32_t RorgNum) const;
    // The first TYPE of the numbers, in catalog order, that holds the case.
    const TType* Type_With_Case(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const;

    String FRead_Error;
};

// "0x" + the number in upper-case hex (two digits at least, eight for a
// negative one) + " : " + the title: how RORGs, FUNCs and TYPEs are listed.
String EnOcean_Number_Str(int32_t number, const String& title);
