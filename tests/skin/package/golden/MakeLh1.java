// Writes the -lh1- stream of a file with the jlha library (Debian package jlha-utils), with no
// archive around it. Build and run:
//   javac -cp /usr/share/java/jlha.jar MakeLh1.java
//   java -cp /usr/share/java/jlha.jar:. MakeLh1 golden.bin golden.lh1
import java.io.*;
import java.nio.file.*;
import jp.gr.java_conf.dangan.util.lha.*;

public class MakeLh1 {
    public static void main(String[] args) throws Exception {
        byte[] in = Files.readAllBytes(Paths.get(args[0]));
        ByteArrayOutputStream raw = new ByteArrayOutputStream();
        OutputStream encoder = CompressMethod.connectEncoder(raw, CompressMethod.LH1, LhaProperty.getProperties());
        encoder.write(in);
        encoder.close();
        Files.write(Paths.get(args[1]), raw.toByteArray());
    }
}
