#include "centreauthor.h"
#include "democentres.h"
#include "lessons.h"
#include "snippetpages.h"

namespace kelvor::authoring {

namespace {

DocumentPage lessonPage(const Lesson& lesson)
{
    DocumentPage page(lesson.title);
    page.addParagraphs(lesson.text);
    if (!lesson.snippetKey.isEmpty()) {
        addSnippetBody(page, snippetByKey(lesson.snippetKey));
        return page;
    }
    if (!lesson.code.isEmpty()) {
        page.addHeading(lesson.practice ? QStringLiteral("参考答案") : QStringLiteral("示例代码"));
        page.addSource(lesson.code.trimmed());
    }
    if (!lesson.output.isEmpty()) {
        page.addHeading(QStringLiteral("运行结果"));
        page.addConsole(lesson.output);
    }
    return page;
}

DocumentPage exercisePage(const Exercise& e)
{
    DocumentPage page(e.title);
    page.addHeading(QStringLiteral("题目"));
    page.addParagraphs(e.problem);
    page.addHeading(QStringLiteral("输入输出示例"));
    page.addConsole(e.sample);
    page.addHeading(QStringLiteral("解题思路"));
    page.addParagraphs(e.hint);
    page.addHeading(QStringLiteral("参考答案"));
    page.addSource(e.answer.trimmed());
    if (!e.output.isEmpty()) {
        page.addHeading(QStringLiteral("运行结果"));
        page.addConsole(e.output);
    }
    return page;
}

DocumentPage closingPage(const QString& title, const QString& body)
{
    DocumentPage page(title);
    page.addParagraphs(body);
    return page;
}

void addStudy(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("study"));
    for (const Course& course : studyCourses()) {
        const QString link = course.link;
        const QString keyword = course.keyword;
        const QString courseFolder = centre.folder(QString(), course.title);
        int lessonNumber = 0;
        bool placeholderAdded = false;
        for (const Chapter& chapter : course.chapters) {
            const QString chapterFolder = centre.folder(courseFolder, chapter.title);
            QString practice;
            for (const Lesson& lesson : chapter.lessons) {
                DocumentFields fields{.link = link, .jbmc = keyword, .techKeywordLinks = {keyword}};
                QString parent = chapterFolder;
                if (lesson.practice) {
                    if (practice.isEmpty()) practice = centre.folder(chapterFolder, QStringLiteral("本章练习"));
                    parent = practice;
                    fields.jbnr = QStringLiteral("编程练习");
                } else {
                    fields.bb = QStringLiteral("%1_%2").arg(link).arg(++lessonNumber, 2, 10, QLatin1Char('0'));
                    addLearningVideo(content, fields.bb, lesson.title);
                }
                if (!lesson.snippetKey.isEmpty()) {
                    const Snippet& s = snippetByKey(lesson.snippetKey);
                    fields.nycd = s.key;
                    addSnippetSourceFolder(content, s);
                }
                centre.page(parent, lessonPage(lesson), fields);
            }
            if (!practice.isEmpty() && !placeholderAdded) {
                centre.comingSoonFolder(practice);
                placeholderAdded = true;
            }
        }
        centre.page(courseFolder, closingPage(course.closingTitle, course.closingText), {.link = link, .jbmc = keyword});
    }
    DocumentPage guide(QStringLiteral("从零开始学习指南"));
    guide.addParagraphs(QStringLiteral(
        "“从零开始”课程面向没有编程经验的读者，每一课只讲一个知识点，并配有可以直接运行的示例代码和学习视频。\n"
        "建议每天学习一到两课，学完一章后完成“本章练习”，再到“入门训练”中做配套的练习题。"));
    centre.page(QString(), guide, {.link = QStringLiteral("study_guide")});
    centre.finish();
}

void addWorks(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("works"));
    const QString exerciseKeyword = QStringLiteral("编程练习");
    for (const TrainingCourse& course : trainingCourses()) {
        const QString link = course.link;
        const QString keyword = course.keyword;
        const QString courseFolder = centre.folder(QString(), course.title);
        bool placeholderAdded = false;
        for (const Training& training : course.trainings) {
            const QString trainingFolder = centre.folder(courseFolder, training.title);
            QString advanced;
            for (const Exercise& exercise : training.exercises) {
                QString parent = trainingFolder;
                if (exercise.advanced) {
                    if (advanced.isEmpty()) advanced = centre.folder(trainingFolder, QStringLiteral("提高题"));
                    parent = advanced;
                }
                centre.page(parent, exercisePage(exercise),
                            {.link = link, .jbmc = keyword, .jbnr = exerciseKeyword,
                             .exampleKeywordLinks = {exerciseKeyword}});
            }
            if (!advanced.isEmpty() && !placeholderAdded) {
                centre.comingSoonFolder(advanced);
                placeholderAdded = true;
            }
        }
        centre.page(courseFolder, closingPage(course.closingTitle, course.closingText), {.link = link, .jbmc = keyword});
    }
    DocumentPage guide(QStringLiteral("入门训练使用方法"));
    guide.addParagraphs(QStringLiteral(
        "入门训练按难度分为若干组，每组先是基础题，再是“提高题”。每道题都给出了输入输出示例、解题思路和参考答案。\n"
        "先独立思考和编写程序，确实没有思路时再看解题思路，最后才对照参考答案。"));
    centre.page(QString(), guide, {.link = QStringLiteral("works_guide")});
    centre.finish();
}

}  // namespace

void addLearningCentres(LibraryContent& content)
{
    addStudy(content);
    addWorks(content);
}

}  // namespace kelvor::authoring
