// Wortel: the German-Polish dictionary.
#include "dictionary/Program.h"
#include "forms/Application.h"

int main(int argc, char** argv) {
    forms::Application app(argc, argv);
    forms::Application::setTitle(dictionary::Program::title());
    dictionary::Program program(forms::Application::programFolder());
    program.start();
    return app.run();
}
