#include "app/UProjects.h"

#include "app/UComon.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"

int32_t Create_Project(const String& name)
{
    if (name.isEmpty())
        return 107;
    // A name with a path in it would put the project outside PROJECTS or
    // inside another project.
    if (!Valid_Project_Name(name))
        return 105;
    if (!Find_Project_Folder(name).isEmpty())
        return 106;
    const String folder = Projects_Path + u'/' + name;
    if (!CreateDir(folder))
        return 105;
    ForceDirectories(folder + QStringLiteral("/bin"));
    Project_Name = name;
    Project_Path = folder;
    Set_Files();
    return 0;
}

void Load_Existing_Configuration(TStrings& SL)
{
    SL.Clear();
    for (const String& name : ListSubFolders(Projects_Path))
        SL.Add(name);
}

int32_t Search_Open_Conf(const TStrings& SL, const String& snc)
{
    for (int32_t index = 0; index < SL.Count(); ++index)
        if (String::compare(SL[index], snc, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

String Open_Project_Folder_Name()
{
    const String prefix = Projects_Path + u'/';
    return Project_Path.startsWith(prefix) ? Project_Path.sliced(prefix.size()) : String();
}

int32_t Preselect_Open_Conf(const TStrings& SL, String& Name_Conf)
{
    if (SL.Count() == 0) {
        Name_Conf.clear();
        return -1;
    }
    const int32_t found = Search_Open_Conf(SL, Open_Project_Folder_Name());
    const int32_t line = found >= 0 ? found : 0;
    Name_Conf = SL[line];
    return line;
}

void Open_Project_Named(const String& Name_Conf)
{
    Project_Name = Name_Conf;
    Project_Path = Project_Name.isEmpty() ? String() : Projects_Path + u'/' + Project_Name;
    Set_Files();
}
