#pragma once

#include "platform/core/StringList.h"

#include <cstdint>

// Creating and opening projects, the folders under PROJECTS.

// Creates the project folder called name (taken as typed) with its bin
// folder and makes it the open project. 0 on success, else the number of the
// text that says why it was refused: 107 empty name, 106 a folder of that
// name exists (whatever the case of its letters), 105 a name that is not one
// folder inside PROJECTS or a folder that cannot be created.
int32_t Create_Project(const String& name);

// The project folders, hidden ones left out, sorted without regard to case.
void Load_Existing_Configuration(TStrings& SL);
// The index of the first entry equal to snc without regard to case, or -1.
int32_t Search_Open_Conf(const TStrings& SL, const String& snc);
// The folder name of the open project, empty with none.
String Open_Project_Folder_Name();

// Preselects the open project's line when it is listed, else the first
// line, and sets Name_Conf to it; returns the line, or -1 for an empty list.
// An empty list also clears Name_Conf, so that OK then opens no project
// rather than a name chosen earlier whose folder may be gone.
int32_t Preselect_Open_Conf(const TStrings& SL, String& Name_Conf);

// Makes Name_Conf the open project; an empty name leaves none open.
void Open_Project_Named(const String& Name_Conf);
