#include <climits>
#include <string>

// Built into the sanitizer build only: commits the one fault its argument names, so that the tests can check
// that each kind is reported and fails the program, as it must in every other test.
int* volatile lostBlock = nullptr;

int main(int argc, char** argv) {
    const std::string fault = argc > 1 ? argv[1] : "";
    volatile int past = 4;
    if (fault == "overflow") {
        int* block = new int[4];
        block[past] = 1;
        delete[] block;
    } else if (fault == "leak") {
        lostBlock = new int[4];
        lostBlock = nullptr;
    } else if (fault == "undefined") {
        volatile int largest = INT_MAX;
        volatile int sum = largest + past;
        static_cast<void>(sum);
    }
    return 0;
}
