#pragma once

#include <QString>

namespace runtime {

// The folder that holds the executable and all of the program's data.
QString programFolder();
// Points the program at another folder (tests use a temporary copy).
void setProgramFolder(const QString& folder);

// Builds a path under the program folder from a relative name written with "\" or "/"
// ("\imagenes\mago1.jpg", "/Velarcana.chm"). Each part is matched against what exists without
// regard to letter case, so "\Opciones.ini" finds "opciones.ini".
QString programPath(const QString& relativeName);

// The same resolution under any folder.
QString resolvePath(const QString& folder, const QString& relativeName);

// True when the program folder is the root of the file system (no data can live there).
bool programFolderIsRoot();

} // namespace runtime
