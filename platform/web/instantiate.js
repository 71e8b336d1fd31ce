// The module travels inside this very file: compile it straight from its
// bytes, at once, so that the board is drawn in the page's first frames. The
// runtime would otherwise fetch its own data: URL and wait for the loader.
// A browser that refuses to compile on the main thread gets it compiled in
// the background instead.
Module['instantiateWasm'] = function(imports, receiveInstance) {
  var bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(wasmBinaryFile.slice(dataURIPrefix.length))
                                    : tryParseAsDataURI(wasmBinaryFile); // the browser's own decoder is faster
  try {
    var instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
    receiveInstance(instance);
    return instance.exports;
  } catch (tooLargeHere) {
    WebAssembly.instantiate(bytes, imports).then(function(result) { receiveInstance(result.instance); });
    return {};
  }
};
