#pragma once

#include <vector>

namespace kelvor::authoring {

// A lesson of a learning course; with `snippetKey` set, the lesson teaches
// that snippet's topic and takes its code from it.
struct Lesson {
    const char* title = "";
    const char* language = "";
    const char* snippetKey = "";
    bool practice = false;   // an exercise of the chapter's practice folder
    const char* text = "";   // paragraphs, one per line
    const char* code = "";
    const char* output = "";
};

struct Chapter {
    const char* title;
    std::vector<Lesson> lessons;
};

struct Course {
    const char* title;       // level-1 folder
    const char* link;
    const char* keyword;     // the records' technology keyword
    std::vector<Chapter> chapters;
    const char* closingTitle;  // a level-2 page after the chapters
    const char* closingText;
};

// A training exercise with its reference answer.
struct Exercise {
    const char* title = "";
    const char* language = "";
    bool advanced = false;   // goes under the training's "提高题" folder
    const char* problem = "";
    const char* sample = "";  // sample input and output
    const char* hint = "";
    const char* answer = "";
    const char* output = "";
};

struct Training {
    const char* title;
    std::vector<Exercise> exercises;
};

struct TrainingCourse {
    const char* title;
    const char* link;
    const char* keyword;
    std::vector<Training> trainings;
    const char* closingTitle;
    const char* closingText;
};

// 从零开始: the first course is the one the start-up tree opens on (20510111).
const std::vector<Course>& studyCourses();
// 入门训练: the first course is 20610111.
const std::vector<TrainingCourse>& trainingCourses();

}  // namespace kelvor::authoring
