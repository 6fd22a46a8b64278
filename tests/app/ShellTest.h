#pragma once

#include "TestFolder.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTrelvadoreFirmWare.h"
#include "device/UBoot.h"
#include "device/UParGen.h"
#include "enocean/UEnOcean_Device.h"
#include "enocean/UEnOcean_SetAccess.h"
#include "enocean/UEnOcean_SetAccess2.h"
#include "enocean/UEnOcean_Variable.h"
#include "enocean/UEnOcean_Variable_SAck.h"
#include "enocean/Unit1.h"
#include "platform/ui/ScriptedUiServices.h"
#include "tables/UBACnetSlaveSetAccess.h"
#include "tables/UBACnet_Eng_Unit.h"
#include "tables/UKNXAccess.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UMQTT_Set_Topic.h"
#include "tables/UProfinetFileName.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTopicTemplate.h"
#include "tables/UTransmitNMEA.h"

#include <gtest/gtest.h>

#include <memory>

// The main window and its dialogs made as the entry routine makes them, in a
// program folder of the test's own, with message boxes and modal showings
// answered by the test.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Program_Folder = FExe.Path();
    }
    // The main window and the dialogs as the entry routine makes them.
    std::unique_ptr<TFTrelvadoreFirmWare> Create()
    {
        auto window = std::make_unique<TFTrelvadoreFirmWare>(nullptr);
        FTrelvadoreFirmWare = window.get();
        window->DoCreate();
        FNewDialog = std::make_unique<TFNew_Project>(nullptr);
        FNew_Project = FNewDialog.get();
        FNewDialog->DoCreate();
        FOpenDialog = std::make_unique<TFOpenConf>(nullptr);
        FOpenConf = FOpenDialog.get();
        FOpenDialog->DoCreate();
        FAboutBox = std::make_unique<TFAbout>(nullptr);
        FAbout = FAboutBox.get();
        FAboutBox->DoCreate();
        FOptions = std::make_unique<TFSoftOptions>(nullptr);
        FSoftOptions = FOptions.get();
        FOptions->DoCreate();
        Create_Form(FTestForm, Form1);
        Create_Form(FEnOcean_Editor1, FEnOcean_SetAccess);
        FParGenForm = std::make_unique<TFParGen>(nullptr);
        FParGen = FParGenForm.get();
        FParGenForm->DoCreate();
        FBootForm = std::make_unique<TFBoot>(nullptr);
        FBoot = FBootForm.get();
        FBootForm->DoCreate();
        Create_Form(FEnOcean_Editor, FEnOcean_SetAccess2);
        Create_Form(FEnOcean_Device_Dialog, FEnOcean_Device);
        Create_Form(FEnOcean_Variable_Dialog, FEnOcean_Variable);
        Create_Form(FMQTTForm, FMQTT_Set_Topic);
        Create_Form(FTemplateForm, FTopicTemplate);
        Create_Form(FEnOcean_Variable_SAck_Dialog, FEnOcean_Variable_SAck);
        Create_Form(FProfinetName, FProfinetFileName);
        Create_Form(FEngUnitForm, FBACnet_Eng_Unit);
        Create_Form(FBACnetForm, FBACnetSlaveSetAccess);
        Create_Form(FKNXForm, FKNXAccess);
        Create_Form(FModbusForm, FModbus_TCP_Master_Set_Access);
        Create_Form(FReceiveForm, FReceiveNMEA);
        Create_Form(FTransmitForm, FTransmitNMEA);
        return window;
    }
    // A dialog made and created as the entry routine does, kept by the test.
    template <typename T> static void Create_Form(std::unique_ptr<T>& kept, T*& instance)
    {
        kept = std::make_unique<T>(nullptr);
        instance = kept.get();
        kept->DoCreate();
    }
    // Answers the next modal showing of the New dialog with name typed and OK clicked.
    void Answer_New_Project(const String& name)
    {
        FServices.AnswerModal([name](TForm& form) {
            auto& dialog = dynamic_cast<TFNew_Project&>(form);
            dialog.FormShow(&dialog);
            dialog.E_New_Proj->SetText(name);
            dialog.Btn_OK->Click();
            return dialog.ModalResult();
        });
    }

    std::unique_ptr<TFNew_Project> FNewDialog;
    std::unique_ptr<TFOpenConf> FOpenDialog;
    std::unique_ptr<TFAbout> FAboutBox;
    std::unique_ptr<TFSoftOptions> FOptions;
    std::unique_ptr<TFParGen> FParGenForm;
    std::unique_ptr<TFBoot> FBootForm;
    std::unique_ptr<TFMQTT_Set_Topic> FMQTTForm;
    std::unique_ptr<TFTopicTemplate> FTemplateForm;
    std::unique_ptr<TFProfinetFileName> FProfinetName;
    std::unique_ptr<TFBACnet_Eng_Unit> FEngUnitForm;
    std::unique_ptr<TFBACnetSlaveSetAccess> FBACnetForm;
    std::unique_ptr<TFKNXAccess> FKNXForm;
    std::unique_ptr<TFModbus_TCP_Master_Set_Access> FModbusForm;
    std::unique_ptr<TFReceiveNMEA> FReceiveForm;
    std::unique_ptr<TFTransmitNMEA> FTransmitForm;
    std::unique_ptr<TForm1> FTestForm;
    std::unique_ptr<TFEnOcean_SetAccess> FEnOcean_Editor1;
    std::unique_ptr<TFEnOcean_SetAccess2> FEnOcean_Editor;
    std::unique_ptr<TFEnOcean_Device> FEnOcean_Device_Dialog;
    std::unique_ptr<TFEnOcean_Variable> FEnOcean_Variable_Dialog;
    std::unique_ptr<TFEnOcean_Variable_SAck> FEnOcean_Variable_SAck_Dialog;

    TTestFolder FExe;
    TScriptedUiServices FServices;
    TScopedUiServices FScope { FServices };
};
