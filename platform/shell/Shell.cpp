#include "shell/Shell.h"

#include "forms/ModalAnswers.h"

namespace shell {

int execute(const std::string& verb, const std::string& file, const std::string& parameters,
            const std::string& directory, int /*show*/) {
    return forms::modal().shellExecute(verb, file, parameters, directory);
}

}  // namespace shell
