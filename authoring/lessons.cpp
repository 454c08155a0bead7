#include "lessons.h"

#include "contentfile.h"
#include "topicfiles.h"

namespace kelvor::authoring {

namespace {

Lesson readLesson(const ContentEntry& entry, const QString& folder)
{
    entry.allowOnly({QStringLiteral("title"), QStringLiteral("language"), QStringLiteral("technique"),
                     QStringLiteral("practice"), QStringLiteral("text"), QStringLiteral("file"),
                     QStringLiteral("output")});
    Lesson l;
    l.title = entry.string(QStringLiteral("title"));
    l.language = entry.string(QStringLiteral("language"));
    l.snippetKey = entry.string(QStringLiteral("technique"), false);
    l.practice = entry.flag(QStringLiteral("practice"));
    l.text = entry.lines(QStringLiteral("text"), false);
    l.code = entry.sourceFile(folder, QStringLiteral("file"), false);
    l.output = entry.outputFile(folder, QStringLiteral("output"));
    // A lesson shows a topic, or its own text and program; one with neither is an empty page.
    if (l.snippetKey.isEmpty() && (l.text.isEmpty() || l.code.isEmpty()))
        entry.fail(QStringLiteral("a lesson needs a \"technique\", or a \"text\" and a \"file\""));
    return l;
}

Exercise readExercise(const ContentEntry& entry, const QString& folder)
{
    entry.allowOnly({QStringLiteral("title"), QStringLiteral("language"), QStringLiteral("advanced"),
                     QStringLiteral("problem"), QStringLiteral("sample"), QStringLiteral("hint"),
                     QStringLiteral("file"), QStringLiteral("output")});
    Exercise e;
    e.title = entry.string(QStringLiteral("title"));
    e.language = entry.string(QStringLiteral("language"));
    e.advanced = entry.flag(QStringLiteral("advanced"));
    e.problem = entry.lines(QStringLiteral("problem"));
    e.sample = entry.lines(QStringLiteral("sample"));
    e.hint = entry.lines(QStringLiteral("hint"));
    e.answer = entry.sourceFile(folder, QStringLiteral("file"));
    e.output = entry.outputFile(folder, QStringLiteral("output"));
    return e;
}

Course readCourse(const QString& folder)
{
    const ContentEntry entry = ContentEntry::read(folder + QStringLiteral("/course.json"));
    entry.allowOnly({QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("keyword"),
                     QStringLiteral("chapters"), QStringLiteral("closingTitle"), QStringLiteral("closingText")});
    Course c;
    c.title = entry.string(QStringLiteral("title"));
    c.link = entry.string(QStringLiteral("link"));
    c.keyword = entry.string(QStringLiteral("keyword"));
    for (const ContentEntry& chapter : entry.objects(QStringLiteral("chapters"))) {
        chapter.allowOnly({QStringLiteral("title"), QStringLiteral("lessons")});
        Chapter ch{chapter.string(QStringLiteral("title")), {}};
        for (const ContentEntry& lesson : chapter.objects(QStringLiteral("lessons")))
            ch.lessons.push_back(readLesson(lesson, folder));
        c.chapters.push_back(std::move(ch));
    }
    c.closingTitle = entry.string(QStringLiteral("closingTitle"));
    c.closingText = entry.lines(QStringLiteral("closingText"));
    return c;
}

TrainingCourse readTrainingCourse(const QString& folder)
{
    const ContentEntry entry = ContentEntry::read(folder + QStringLiteral("/training.json"));
    entry.allowOnly({QStringLiteral("title"), QStringLiteral("link"), QStringLiteral("keyword"),
                     QStringLiteral("trainings"), QStringLiteral("closingTitle"), QStringLiteral("closingText")});
    TrainingCourse c;
    c.title = entry.string(QStringLiteral("title"));
    c.link = entry.string(QStringLiteral("link"));
    c.keyword = entry.string(QStringLiteral("keyword"));
    for (const ContentEntry& training : entry.objects(QStringLiteral("trainings"))) {
        training.allowOnly({QStringLiteral("title"), QStringLiteral("exercises")});
        Training t{training.string(QStringLiteral("title")), {}};
        for (const ContentEntry& exercise : training.objects(QStringLiteral("exercises")))
            t.exercises.push_back(readExercise(exercise, folder));
        c.trainings.push_back(std::move(t));
    }
    c.closingTitle = entry.string(QStringLiteral("closingTitle"));
    c.closingText = entry.lines(QStringLiteral("closingText"));
    return c;
}

}  // namespace

CourseContent readCourses(const QString& root)
{
    const QString folder = root + QStringLiteral("/courses/");
    const ContentEntry index = ContentEntry::read(folder + QStringLiteral("index.json"));
    index.allowOnly({QStringLiteral("study"), QStringLiteral("training")});
    CourseContent content;
    for (const QString& key : index.strings(QStringLiteral("study"))) content.study.push_back(readCourse(folder + key));
    for (const QString& key : index.strings(QStringLiteral("training")))
        content.training.push_back(readTrainingCourse(folder + key));
    return content;
}

namespace {

const CourseContent& builtIn()
{
    static const CourseContent content = readCourses(builtInContentRoot());
    return content;
}

}  // namespace

const std::vector<Course>& studyCourses()
{
    return builtIn().study;
}

const std::vector<TrainingCourse>& trainingCourses()
{
    return builtIn().training;
}

}  // namespace kelvor::authoring
