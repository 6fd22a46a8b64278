#pragma once

#include "platform/core/SysUtils.h"

#include <vector>

// Paths use '/' as the separator. Where the program was written for a file
// system that ignores case, look names up with FindNameNoCase/ResolvePathNoCase.

bool FileExists(const String& fileName);       // a file, not a folder
bool DirectoryExists(const String& directory);
// Creates one folder whose parent exists; false when it fails or already exists.
bool CreateDir(const String& directory);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const String& directory);
bool DeleteFile(const String& fileName);

// The path up to and including the last '/' ("" when none).
String ExtractFilePath(const String& fileName);
String ExtractFileName(const String& fileName);
// The extension with its dot, from the last '.' of the name part ("" when none).
String ExtractFileExt(const String& fileName);
String ChangeFileExt(const String& fileName, const String& extension);
String IncludeTrailingPathDelimiter(const String& path);
String ExcludeTrailingPathDelimiter(const String& path);

// The name as it is on disk of the entry (file or folder) of folder called
// name, compared without case; an exact match wins, otherwise the first in
// case-insensitive order. "" when there is none.
String FindNameNoCase(const String& folder, const String& name);
// folder + '/' + the name found by FindNameNoCase, or + name itself when no
// entry matches (so a file written there gets the name asked for).
String ResolvePathNoCase(const String& folder, const String& name);

// '*' any run, '?' one character, compared without case.
bool MatchesMask(const String& name, const String& mask);
// Names (not paths) of the sub-folders, hidden ones (starting with '.')
// skipped, sorted without case.
std::vector<String> ListSubFolders(const String& folder);
// Names of the regular files matching mask, hidden ones skipped, sorted without case.
std::vector<String> ListFiles(const String& folder, const String& mask);

// The whole file; EInOutError naming the file when it cannot be read.
TBytes ReadFileBytes(const String& fileName);
// The whole of a regular file of at most limit bytes. EInOutError naming the
// file when it is anything else (a folder, a device, a pipe), is larger, or
// cannot be read: what it reads ends, and never outgrows limit.
TBytes ReadRegularFileBytes(const String& fileName, size_t limit);
// Writes the file whole into a temporary file beside it and renames that over
// it, so the old content stays until the new one is complete. EInOutError
// naming the file when it fails; no temporary file is left behind.
void WriteFileAtomic(const String& fileName, const uint8_t* data, size_t size);
inline void WriteFileAtomic(const String& fileName, const TBytes& bytes)
{
    WriteFileAtomic(fileName, bytes.data(), bytes.size());
}

struct TFileContent {
    String FileName;
    TBytes Bytes;
};
// Writes every file into a temporary file beside it first and renames them
// only when all are complete, so a set that belongs together is never left
// half old and half new by a failed write. EInOutError naming the file that
// failed; the temporary files are removed and the old files stay.
void WriteFilesAtomic(const std::vector<TFileContent>& files);
