#pragma once

#include <QString>

#include <vector>

namespace kelvor::authoring {

// A lesson of a learning course; with `snippetKey` set, the lesson teaches
// that snippet's topic and takes its code from it.
struct Lesson {
    QString title;
    QString language;
    QString snippetKey;
    bool practice = false;   // an exercise of the chapter's practice folder
    QString text;            // paragraphs, one per line
    QString code;
    QString output;
};

struct Chapter {
    QString title;
    std::vector<Lesson> lessons;
};

struct Course {
    QString title;           // level-1 folder
    QString link;
    QString keyword;         // the records' technology keyword
    std::vector<Chapter> chapters;
    QString closingTitle;    // a level-2 page after the chapters
    QString closingText;
};

// A training exercise with its reference answer.
struct Exercise {
    QString title;
    QString language;
    bool advanced = false;   // goes under the training's "提高题" folder
    QString problem;
    QString sample;          // sample input and output
    QString hint;
    QString answer;
    QString output;
};

struct Training {
    QString title;
    std::vector<Exercise> exercises;
};

struct TrainingCourse {
    QString title;
    QString link;
    QString keyword;
    std::vector<Training> trainings;
    QString closingTitle;
    QString closingText;
};

struct CourseContent {
    std::vector<Course> study;
    std::vector<TrainingCourse> training;
};

// The courses kept as files. Under `root`:
//   courses/index.json                 the study and training course folders, in catalogue order
//   courses/<key>/course.json          a study course: chapters of lessons
//   courses/<key>/training.json        a training course: trainings of exercises
//   courses/<key>/<file>               a lesson's program or an exercise's answer, and
//                                      what it prints, as the JSON names them
// Throws AuthoringError naming the file and the field on a malformed entry.
CourseContent readCourses(const QString& root);

// 从零开始: the first course is the one the start-up tree opens on (20510111).
const std::vector<Course>& studyCourses();
// 入门训练: the first course is 20610111.
const std::vector<TrainingCourse>& trainingCourses();

}  // namespace kelvor::authoring
