#include "app/renamer_app.h"

int main(int argc, char** argv) {
    return zentavo::theApp.Run(argc, argv);
}
