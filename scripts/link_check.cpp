// A program that only links: built from every object of one library and the libraries below it, it fails to
// link when that library calls a layer above its own.
int main() {
    return 0;
}
