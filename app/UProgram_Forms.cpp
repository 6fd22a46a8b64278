#include "app/UProgram_Forms.h"

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
#include "tables/UBACnetSlaveSetAccess.h"
#include "tables/UBACnet_Eng_Unit.h"
#include "tables/UKNXAccess.h"
#include "tables/UMQTT_Set_Topic.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UProfinetFileName.h"
#include "tables/UReceiveNMEA.h"
#include "tables/UTopicTemplate.h"
#include "tables/UTransmitNMEA.h"
#include "platform/ui/Forms.h"

void Create_Program_Forms()
{
    Application->CreateForm(FTrelvadoreFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(Form1);
    Application->CreateForm(FEnOcean_SetAccess);
    Application->CreateForm(FParGen);
    Application->CreateForm(FBoot);
    Application->CreateForm(FEnOcean_SetAccess2);
    Application->CreateForm(FEnOcean_Device);
    Application->CreateForm(FEnOcean_Variable);
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);
    Application->CreateForm(FEnOcean_Variable_SAck);
    Application->CreateForm(FProfinetFileName);
    Application->CreateForm(FBACnet_Eng_Unit);
    Application->CreateForm(FBACnetSlaveSetAccess);
    Application->CreateForm(FKNXAccess);
    Application->CreateForm(FModbus_TCP_Master_Set_Access);
    Application->CreateForm(FReceiveNMEA);
    Application->CreateForm(FTransmitNMEA);
}
