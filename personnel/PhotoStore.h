// The employees' photos: files copied into one folder, the database constant
// pics_lich_kart, each under the employee's personnel number with the
// extension of its source file, and the path written into tn.image_path.
// A relative folder lies under the folder of the user's profile, where a
// relative stored path is looked for too. Paths are taken and compared as they
// are: file names are case-sensitive.
#pragma once
#include "afx.h"

#include <QString>

namespace nperso {

// Where the file of a path (as chosen, or as stored in image_path) is: a
// relative path under the profile folder.
QString PhotoFile(const CString& path);
// The path an employee's photo is stored under: the folder, "/", the
// personnel number, "." and the extension after the source file name's last
// dot (none when the name has no dot).
CString PhotoDestination(const CString& folder, const CString& tn, const CString& source);

// Copies the photo `source` into the photo folder as the employee's `tn`
// (the folder is created when missing; a file there is replaced; the same
// file is not copied onto itself) and answers its stored path in
// `destination`. False, after telling the user, when the constant names no
// folder or the copy fails.
bool StorePhoto(const CString& source, const CString& tn, CString& destination);

} // namespace nperso
