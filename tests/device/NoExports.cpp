// Loads like the acquisition library but offers none of its functions.
extern "C" int acqBridgeVersion()
{
    return 0;
}
