#ifndef RUNTIMEFOLDERS_H
#define RUNTIMEFOLDERS_H

#include <QString>

// Where the demo finds the contacts plugin, the translation catalogs and its
// sample data set: beside the executable in the build tree, or in the folders
// of the installed tree. Paths are relative to the executable so that the
// build and install locations are not baked into the binary.
namespace RuntimeFolders {

// Points Qt at the contacts plugin unless QT_PLUGIN_PATH already names a
// folder. Call before the application object exists.
void setUpPluginPath();
// Adds the folder of the translation catalogs to the toolkit's search path.
void setUpTranslationPath();
// The data set shipped with the demo, or an empty string when none is found.
QString sampleDataFile();

} // namespace RuntimeFolders

#endif // RUNTIMEFOLDERS_H
