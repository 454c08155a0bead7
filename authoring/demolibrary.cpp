#include "demolibrary.h"

#include "democentres.h"
#include "librarydatabases.h"
#include "outputfolder.h"

namespace kelvor::authoring {

LibraryContent buildDemoContent()
{
    LibraryContent content;
    addTechnologyCentre(content);
    addExampleCentre(content);
    addProjectCentre(content);
    addSolutionCentre(content);
    addInterfaceCentre(content);
    addVideoCentre(content);
    addLearningCentres(content);
    addCatalogueCentres(content);
    addPersonalData(content);
    addFixedFiles(content);
    return content;
}

void writeLibraryContent(const QString& dataRoot, const LibraryContent& content)
{
    const LibraryLayout layout(dataRoot);
    createLibraryDatabases(layout);
    writeLibraryDatabases(layout, content);
    for (const auto& [path, file] : content.files) writeLibraryFile(dataRoot, file);
}

void writeDemoLibrary(const QString& dataRoot)
{
    OutputFolder output(dataRoot, QStringLiteral("demo"));
    output.prepare();
    writeLibraryContent(output.stagingRoot(), buildDemoContent());
    output.commit();
}

}  // namespace kelvor::authoring
